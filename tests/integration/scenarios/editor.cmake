# plughost editor: in the Windows build it opens each panel in a window of
# its own and saves a PNG of the panel's size, or keeps the window open for a
# while; a plug-in without an editor is refused. The native build says the
# command is Windows-only.
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

# Width and height from a PNG's IHDR chunk.
function(png_size file var)
  file(READ "${WORK}/${file}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  set(${var} "${signature} ${width} x ${height}" PARENT_SCOPE)
endfunction()

if(TARGET_WINDOWS)
  foreach(case
      "${REVERB}|reverb_panel.png|512 x 256|--after;300"
      "${REVERB}|reverb_panel_14.png|512 x 256|--program;14;--after;0"
      "${PANNER}|panner_panel.png|514 x 150|--program;3")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 plugin)
    list(GET case 1 png)
    list(GET case 2 size)
    list(SUBLIST case 3 -1 options)
    check_plughost(ARGS editor "${plugin}" --screenshot ${png} ${options} EXIT 0 OUTPUT ${png}
      STDOUT "wrote ${png}: ${size} pixels")
    if(EXISTS "${WORK}/${png}")
      png_size(${png} shown)
      if(NOT shown STREQUAL "89504e470d0a1a0a ${size}")
        message(SEND_ERROR "${png}: ${shown}, expected a PNG of ${size}")
      endif()
    endif()
  endforeach()
  # Without a picture the window stays for --after MS (or until closed).
  check_plughost(ARGS editor "${PANNER}" --after 200 EXIT 0)
  check_plughost(ARGS editor "${GAIN}" --screenshot refused.png EXIT 1 OUTPUT refused.png STDERR
    "plughost: '${GAIN}' has no editor")
  check_plughost(ARGS editor "${REVERB}" --screenshot refused.png --program 25 EXIT 1 OUTPUT refused.png STDERR
    "plughost: no program 25: '${REVERB}' has 25 programs")
else()
  check_plughost(ARGS editor "${REVERB}" --screenshot refused.png EXIT 1 OUTPUT refused.png STDERR
    "plughost: the editor command needs the Windows build of plughost (plughost.exe): plug-in editors are Win32 windows")
endif()
