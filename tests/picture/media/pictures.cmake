# The test pictures, drawn by ImageMagick at build time, and the resource script that links them
# into a test executable as "IMG" resources. Needs BRELA_CONVERT (find_program) to be set.
set(BRELA_PICTURE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/make_pictures.sh)

# Resource id and picture, as the picture and board tests expect them: 400 + n the pictures of
# question n (405 is not a picture, 406 is missing), 10400 + n their answer pictures (10403 and
# 10406 are missing).
set(BRELA_TEST_PICTURES
    401 q400x300 402 q300x400 403 q1024x768 404 q30x27 405 not_a_picture 407 q260x260
    408 q520x260 409 q100x50 10401 a300x400 10402 a400x300 10404 a30x27 10405 a300x400)

# brela_test_pictures(TARGET RC_VARIABLE FOLDER_VARIABLE): a target that draws the pictures into
# this folder's build tree, and an .rc naming them; gives the .rc's path and the pictures' folder,
# which also holds the start-up benchmark's pictures. Whatever compiles the .rc must depend on the
# target.
function(brela_test_pictures target rc_variable folder_variable)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/pictures)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/test_pictures.rc)
  set(text "")
  set(files ${folder}/photo1024x768.jpg ${folder}/photo260x195.jpg ${folder}/blue1024x768.jpg)
  set(entries ${BRELA_TEST_PICTURES})
  while(entries)
    list(POP_FRONT entries id name)
    string(APPEND text "${id} IMG \"${folder}/${name}.jpg\"\n")
    list(APPEND files ${folder}/${name}.jpg)
  endwhile()
  list(REMOVE_DUPLICATES files)
  file(GENERATE OUTPUT ${rc} CONTENT "${text}")
  add_custom_command(OUTPUT ${files}
    COMMAND bash ${BRELA_PICTURE_SCRIPT} ${folder}
    DEPENDS ${BRELA_PICTURE_SCRIPT}
    COMMENT "Drawing the test pictures")
  add_custom_target(${target} DEPENDS ${files})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${files}")
  set(${rc_variable} ${rc} PARENT_SCOPE)
  set(${folder_variable} ${folder} PARENT_SCOPE)
endfunction()
