# plughost info --json on MiralteaVerb: valid JSON (Python's parser), and
# the same facts as the table of info, its Windows-1252 names in UTF-8.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/json_matches_info.cmake)

json_matches_info("${PLUGIN}")

# The Windows-1252 names arrive as UTF-8, padding kept.
execute_process(COMMAND ${EMULATOR} "${PLUGHOST}" info --json "${PLUGIN}" WORKING_DIRECTORY "${WORK}"
  OUTPUT_VARIABLE json)
string(JSON name GET "${json}" programs 14 name)
string(JSON small GET "${json}" programs 2 name)
if(NOT name STREQUAL "Sala Pequeña  (Insert)" OR NOT small STREQUAL "Sala Pequeña")
  message(SEND_ERROR "programs 2 and 14 are '${small}' and '${name}' in the JSON")
endif()
string(JSON id GET "${json}" effectId)
string(JSON count GET "${json}" programCount)
if(NOT id STREQUAL "MzRv" OR NOT count EQUAL 25)
  message(SEND_ERROR "effect ID '${id}' and ${count} programs in the JSON")
endif()
