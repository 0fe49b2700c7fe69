# plughost info --json on MiralteaVerb: valid JSON (Python's parser), and
# the same facts as the table of info, its Windows-1252 names in UTF-8.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/json_matches_info.cmake)

json_matches_info("${PLUGIN}")
