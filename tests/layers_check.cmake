# The layering rules of the sources, checked on every test run (cmake -P):
# - a file of a layer includes headers of its own layer or of the layers below it only:
#   base, quiz, picture, board, app, then the tools on top, themselves layered: the packer and the
#   picture import, then the authoring core, then the programs (brelamake, brelaedit), which never
#   include each other;
# - a portable file (without the _win suffix) includes no Win32 header and no _win header;
# - the portable library compiles no _win file and links no Win32 library.
# Arguments: -DSOURCE_DIR=<repository> -DCORE_SOURCES=<a|b|...> -DCORE_LIBRARIES=<a|b|...>

cmake_minimum_required(VERSION 3.16)

# Each layer with the layers its files may include, its own among them.
set(player_layers base quiz picture board app)
set(below_base base)
set(below_quiz ${below_base} quiz)
set(below_picture ${below_quiz} picture)
set(below_board ${below_picture} board)
set(below_app ${below_board} app)
set(below_tools/pack ${player_layers} tools/pack)
set(below_tools/picture_import ${player_layers} tools/picture_import)
set(tools_core ${player_layers} tools/pack tools/picture_import tools/authoring)
set(below_tools/authoring ${tools_core})
set(below_tools/brelamake ${tools_core} tools/brelamake)
set(below_tools/brelaedit ${tools_core} tools/brelaedit)
set(layers ${player_layers} tools/pack tools/picture_import tools/authoring tools/brelamake
           tools/brelaedit)

set(win32_headers windows shellapi ole2 olectl oleauto objbase vfw wmp commctrl commdlg shlobj
                  mmsystem winver)
list(JOIN win32_headers "|" win32_pattern)

# The layer an included path belongs to: its first folder, or its first two under tools/.
function(included_layer path out)
  if(path MATCHES "^tools/([^/\"]+)/")
    set(${out} "tools/${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(path MATCHES "^([^/\"]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(failures "")
file(GLOB tool_folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/*)
foreach(folder IN LISTS tool_folders)
  if(IS_DIRECTORY ${SOURCE_DIR}/${folder} AND NOT folder IN_LIST layers)
    list(APPEND failures "${folder}: a folder of tools/ in no layer")
  endif()
endforeach()

foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp
       ${SOURCE_DIR}/${layer}/*.c)
  foreach(file IN LISTS files)
    set(portable TRUE)
    if(file MATCHES "_win\\.(h|cpp|c)$")
      set(portable FALSE)
    endif()
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^\"]+)\"")
        set(path ${CMAKE_MATCH_1})
        included_layer(${path} included)
        if(included AND NOT included IN_LIST below_${layer})
          list(APPEND failures "${file}: ${line} (${included} is not below ${layer})")
        endif()
        if(portable AND path MATCHES "_win\\.h$")
          list(APPEND failures "${file}: ${line} (a _win header in a portable file)")
        endif()
      endif()
      if(portable AND line MATCHES "<(${win32_pattern})\\.h>")
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
