# The layers check on small trees written here: a clean tree passes, and the same tree with one
# forbidden include added fails, naming the file and the include.
# Arguments: -DCHECK=<layers_check.cmake> -DWORK_DIR=<a scratch folder>
cmake_minimum_required(VERSION 3.16)

# A tree that keeps every rule: each layer including the ones allowed below it.
set(clean_files
  "base/text.h|#include <string>"
  "quiz/quiz.cpp|#include \"base/text.h\""
  "app/main_window_win.h|#include <windows.h>"
  "app/main_window_win.cpp|#include \"app/main_window_win.h\""
  "tools/pack/pack_data.cpp|#include \"quiz/quiz.h\""
  "tools/picture_import/raster.cpp|#include \"base/text.h\""
  "tools/authoring/quiz_file.cpp|#include \"tools/pack/pack_data.h\"\n#include \"tools/picture_import/raster.h\""
  "tools/authoring/exe_resources_win.cpp|#include <windows.h>\n#include \"app/main_window_win.h\""
  "tools/brelamake/brelamake.cpp|#include \"tools/authoring/quiz_file.h\""
  "tools/brelaedit/editor_window_win.h|#include <windows.h>"
  "tools/brelaedit/main_win.cpp|#include \"tools/brelaedit/editor_window_win.h\"\n#include \"tools/authoring/exe_resources_win.h\"")

# Writes the clean tree, and the one extra file "path|text" if given, into a fresh folder.
function(write_tree folder extra)
  file(REMOVE_RECURSE ${folder})
  foreach(entry IN LISTS clean_files extra)
    if(entry MATCHES "^([^|]+)\\|(.*)$")
      file(WRITE ${folder}/${CMAKE_MATCH_1} "${CMAKE_MATCH_2}\n")
    endif()
  endforeach()
endfunction()

function(run_check folder result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${folder} -P ${CHECK}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

set(problems "")

write_tree(${WORK_DIR}/clean "")
run_check(${WORK_DIR}/clean code output)
if(NOT code EQUAL 0)
  list(APPEND problems "the clean tree fails:\n${output}")
endif()

# Each case: a name, the file added, and the include it holds.
set(cases
  "core_includes_editor|tools/authoring/problem.cpp|tools/brelaedit/editor_window_win.h"
  "portable_import_includes_window|tools/picture_import/picture_import.cpp|app/main_window_win.h"
  "editor_includes_brelamake|tools/brelaedit/editor_files_win.cpp|tools/brelamake/brelamake.h"
  "brelamake_includes_editor|tools/brelamake/main_win.cpp|tools/brelaedit/editor_window_win.h"
  "packer_includes_core|tools/pack/quiz_bytes.cpp|tools/authoring/quiz_file.h"
  "import_includes_core|tools/picture_import/raster.h|tools/authoring/quiz_file.h"
  "portable_tool_includes_own_win|tools/brelaedit/editor_model.cpp|tools/brelaedit/editor_window_win.h"
  "player_includes_tool|app/main_window_win.cpp|tools/pack/pack_data.h")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 file)
  list(GET parts 2 header)
  set(include_line "#include \"${header}\"")
  write_tree(${WORK_DIR}/${name} "${file}|${include_line}")
  run_check(${WORK_DIR}/${name} code output)
  if(code EQUAL 0)
    list(APPEND problems "${name}: passes")
  else()
    string(FIND "${output}" "${file}: ${include_line}" at)
    if(at EQUAL -1)
      list(APPEND problems "${name}: fails without naming ${file} and ${header}:\n${output}")
    endif()
  endif()
endforeach()

# A Win32 header in a portable file of the tools.
write_tree(${WORK_DIR}/portable_tool_windows "tools/authoring/safe_file.cpp|#include <windows.h>")
run_check(${WORK_DIR}/portable_tool_windows code output)
string(FIND "${output}" "tools/authoring/safe_file.cpp: #include <windows.h>" at)
if(code EQUAL 0 OR at EQUAL -1)
  list(APPEND problems "portable_tool_windows: not named as broken:\n${output}")
endif()

# A folder of tools/ that is in no layer.
write_tree(${WORK_DIR}/unknown_tool "tools/grader/grade.cpp|#include \"base/text.h\"")
run_check(${WORK_DIR}/unknown_tool code output)
string(FIND "${output}" "tools/grader: a folder of tools/ in no layer" at)
if(code EQUAL 0 OR at EQUAL -1)
  list(APPEND problems "unknown_tool: not named as broken:\n${output}")
endif()

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "The layers check fails on each broken rule and passes a clean tree")
