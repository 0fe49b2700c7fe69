# Reads Windows PE files with the cross toolchain's objdump (cmake -P).
#   -DFOLDER=dir [-DEXPECTED=a.dll,b.dll]: every DLL in the folder, and at
#     least the expected ones, is a DLL for MACHINE whose only export is
#     "main" and which imports system DLLs only.
#   -DPROGRAM=file: a program for MACHINE that imports system DLLs only.
# MACHINE is objdump's name for it: i386 or x86-64.
cmake_minimum_required(VERSION 3.21)

# What every Windows has. Runtime DLLs of the compiler (libgcc_s*,
# libstdc++*, libwinpthread*) must never appear: they are linked in.
set(SYSTEM_DLLS
  kernel32.dll msvcrt.dll user32.dll gdi32.dll comctl32.dll advapi32.dll
  shell32.dll ole32.dll oleaut32.dll comdlg32.dll winmm.dll msimg32.dll)

set(failures)

function(check_pe_file file kind)
  get_filename_component(name "${file}" NAME)
  execute_process(COMMAND ${OBJDUMP} -p "${file}"
    RESULT_VARIABLE result OUTPUT_VARIABLE dump ERROR_VARIABLE error)
  if(result)
    set(failures ${failures} "${name}: objdump cannot read it: ${error}" PARENT_SCOPE)
    return()
  endif()
  set(problems)
  if(NOT dump MATCHES "file format pei-${MACHINE}\n")
    list(APPEND problems "not a PE file for ${MACHINE}")
  endif()
  string(REGEX MATCH "\nCharacteristics [^\n]*\n(\t[^\n]*\n)*" characteristics "${dump}")
  string(FIND "${characteristics}" "\tDLL\n" dll_mark)
  if(kind STREQUAL "dll" AND dll_mark EQUAL -1)
    list(APPEND problems "not a DLL")
  elseif(kind STREQUAL "program" AND NOT dll_mark EQUAL -1)
    list(APPEND problems "a DLL, not a program")
  endif()
  string(REGEX MATCHALL "\tDLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REPLACE "\tDLL Name: " "" import "${import}")
    string(TOLOWER "${import}" lower)
    if(NOT lower IN_LIST SYSTEM_DLLS)
      list(APPEND problems "imports ${import}, not a system DLL")
    endif()
  endforeach()
  if(kind STREQUAL "dll")
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t[^\n]*\n)*" table "${dump}")
    string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" exports "${table}")
    list(TRANSFORM exports REPLACE "^\t\\[ *[0-9]+\\] " "")
    if(NOT exports STREQUAL "main")
      list(JOIN exports ", " shown)
      list(APPEND problems "exports '${shown}', expected only 'main'")
    endif()
  endif()
  foreach(problem IN LISTS problems)
    list(APPEND failures "${name}: ${problem}")
  endforeach()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

if(PROGRAM)
  check_pe_file("${PROGRAM}" program)
  set(checked "${PROGRAM}")
else()
  file(GLOB checked "${FOLDER}/*.dll")
  string(REPLACE "," ";" expected "${EXPECTED}")
  foreach(name IN LISTS expected)
    if(NOT EXISTS "${FOLDER}/${name}")
      list(APPEND failures "${name}: missing from ${FOLDER}")
    endif()
  endforeach()
  if(NOT checked)
    list(APPEND failures "no DLLs in ${FOLDER}")
  endif()
  foreach(file IN LISTS checked)
    check_pe_file("${file}" dll)
  endforeach()
endif()

if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "PE check failed:\n  ${report}")
endif()
list(LENGTH checked count)
message(STATUS "${count} PE file(s) for ${MACHINE} checked")
