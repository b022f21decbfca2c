# The version resource and the icon of the executables that ship.
set(BRELA_EXECUTABLE_RC ${CMAKE_CURRENT_LIST_DIR}/executable.rc.in)
set(BRELA_ICON ${CMAKE_CURRENT_LIST_DIR}/brela.ico)

# brela_rc_inputs(RC VARIABLE): the script and the files it reads, which CMake does not see on its
# own: the icons and cursors it names (beside it) and the project's headers it includes.
function(brela_rc_inputs rc variable)
  get_filename_component(folder ${rc} DIRECTORY)
  file(STRINGS ${rc} lines REGEX "^[^/]*\"[^\"]+\\.(ico|cur|h)\"")
  set(files ${rc})
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"]+)\"" quoted "${line}")
    set(name ${CMAKE_MATCH_1})
    if(line MATCHES "^#include")
      list(APPEND files ${PROJECT_SOURCE_DIR}/${name})
    else()
      list(APPEND files ${folder}/${name})
    endif()
  endforeach()
  set(${variable} ${files} PARENT_SCOPE)
endfunction()

# brela_executable_resources(TARGET DESCRIPTION [RC]): product "brela", the version of the CMake
# project and DESCRIPTION (French) in the version resource, and the project's icon as the
# executable's own. The executable's own script RC, if any, is included in the same script:
# windres numbers the images of a script's icons from 1, so two scripts with icons would clash.
function(brela_executable_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(BRELA_FILE_DESCRIPTION "${description}")
  set(BRELA_INTERNAL_NAME ${target})
  set(BRELA_OWN_RC "")
  set(inputs ${BRELA_ICON})
  set(folders "")
  foreach(own IN LISTS ARGN)
    string(APPEND BRELA_OWN_RC "#include \"${own}\"\n")
    brela_rc_inputs(${own} own_inputs)
    list(APPEND inputs ${own_inputs})
    get_filename_component(folder ${own} DIRECTORY)
    list(APPEND folders ${folder})
  endforeach()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_executable.rc)
  configure_file(${BRELA_EXECUTABLE_RC} ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${inputs}"
                                               INCLUDE_DIRECTORIES "${folders}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
