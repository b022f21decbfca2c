# The layering rules of the sources, checked on every test run (cmake -P):
# - a file of a layer includes headers of its own layer or of the layers below it only:
#   base, quiz, picture, board, app, then tools on top;
# - a portable file (without the _win suffix) includes no Win32 header;
# - the portable library compiles no _win file and links no Win32 library.
# Arguments: -DSOURCE_DIR=<repository> -DCORE_SOURCES=<a|b|...> -DCORE_LIBRARIES=<a|b|...>
set(layers base quiz picture board app tools)
set(win32_headers windows shellapi ole2 olectl oleauto objbase vfw wmp commctrl commdlg shlobj
                  mmsystem winver)
list(JOIN win32_headers "|" win32_pattern)

set(failures "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
       ${SOURCE_DIR}/${layer}/*.c)
  list(FIND layers ${layer} rank)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^/\"]+)/")
        list(FIND layers ${CMAKE_MATCH_1} included_rank)
        if(included_rank EQUAL -1 OR included_rank GREATER rank)
          list(APPEND failures "${file}: ${line} (a layer above ${layer})")
        endif()
      endif()
      if(NOT file MATCHES "_win\\.(h|cpp|c)$" AND line MATCHES "<(${win32_pattern})\\.h>")
        list(APPEND failures "${file}: ${line} (a Win32 header in a portable file)")
      endif()
    endforeach()
  endforeach()
endforeach()

string(REPLACE "|" ";" core_sources "${CORE_SOURCES}")
foreach(source IN LISTS core_sources)
  if(source MATCHES "_win\\.(cpp|c|rc)$")
    list(APPEND failures "brela_core compiles ${source}, a Win32 file")
  endif()
endforeach()
string(REPLACE "|" ";" core_libraries "${CORE_LIBRARIES}")
foreach(library IN LISTS core_libraries)
  if(library MATCHES "^(user32|gdi32|ole32|oleaut32|uuid|shell32|vfw32|comctl32|kernel32|winmm)$")
    list(APPEND failures "brela_core links ${library}, a Win32 library")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Layering rules broken:\n  ${text}")
endif()
message(STATUS "Layers look down only")
