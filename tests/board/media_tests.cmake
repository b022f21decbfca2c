# Wine tests of the board with real media, made at build time by Debian's tools: pictures drawn by
# ImageMagick, sounds spoken by espeak-ng and encoded by lame, films made by ffmpeg.
if(WIN32)
  foreach(tool convert espeak-ng lame ffmpeg)
    string(MAKE_C_IDENTIFIER "BRELA_${tool}" variable)
    find_program(${variable} ${tool})
  endforeach()
  if(NOT BRELA_convert)
    message(STATUS "Picture tests of the board not built: convert is missing (scripts/install-deps.sh)")
  else()
    include(${CMAKE_SOURCE_DIR}/tests/picture/media/pictures.cmake)
    brela_test_pictures(board_test_pictures pictures_rc pictures)
    brela_win_test(picture_board_win_test picture_board_win_test.cpp test_board.cpp gdi_objects.cpp
                   ${pictures_rc})
    add_dependencies(picture_board_win_test board_test_pictures)
  endif()
  # Wine plays MP3 and AVI through the host's GStreamer plugins of the program's architecture
  # (i386 ones for a 32-bit program); without them the MCI window opens its own error box, which
  # no test can answer.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(gstreamer_plugins /usr/lib/i386-linux-gnu/gstreamer-1.0)
  else()
    set(gstreamer_plugins /usr/lib/x86_64-linux-gnu/gstreamer-1.0)
  endif()
  find_file(BRELA_GSTREAMER_AVI libgstavi.so PATHS ${gstreamer_plugins}
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_file(BRELA_GSTREAMER_MPG123 libgstmpg123.so PATHS ${gstreamer_plugins}
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT (BRELA_GSTREAMER_AVI AND BRELA_GSTREAMER_MPG123))
    message(STATUS "Sound and film tests of the board not built: GStreamer's good plugins are missing (scripts/install-deps.sh)")
  elseif(BRELA_espeak_ng AND BRELA_lame AND BRELA_ffmpeg)
    set(media ${CMAKE_CURRENT_BINARY_DIR}/media)
    set(media_script ${CMAKE_CURRENT_SOURCE_DIR}/media/make_sounds_and_films.sh)
    set(media_files ${media}/question1.mp3 ${media}/question2.mp3 ${media}/question3.mp3
                    ${media}/film1.avi ${media}/film3.avi)
    add_custom_command(OUTPUT ${media_files}
      COMMAND bash ${media_script} ${media}
      DEPENDS ${media_script}
      COMMENT "Speaking and filming the test media")
    add_custom_target(board_test_media DEPENDS ${media_files})
    # Audio: 401 to 403 (404 is missing). Video: 401, 403 and 490, the last slot (402 is missing).
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/test_sounds.rc CONTENT
         "401 IMG \"${media}/question1.mp3\"\n402 IMG \"${media}/question2.mp3\"\n403 IMG \"${media}/question3.mp3\"\n")
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/test_films.rc CONTENT
         "401 IMG \"${media}/film1.avi\"\n403 IMG \"${media}/film3.avi\"\n490 IMG \"${media}/film3.avi\"\n")
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/test_sounds.rc
                                ${CMAKE_CURRENT_BINARY_DIR}/test_films.rc
                                PROPERTIES OBJECT_DEPENDS "${media_files}" GENERATED TRUE)
    brela_win_test(audio_win_test audio_win_test.cpp test_board.cpp
                   ${CMAKE_CURRENT_BINARY_DIR}/test_sounds.rc)
    brela_win_test(video_win_test video_win_test.cpp test_board.cpp
                   ${CMAKE_CURRENT_BINARY_DIR}/test_films.rc)
    add_dependencies(audio_win_test board_test_media)
    add_dependencies(video_win_test board_test_media)
    # The films for the tests of the real player too.
    set(BRELA_TEST_FILMS_RC ${CMAKE_CURRENT_BINARY_DIR}/test_films.rc PARENT_SCOPE)
    set(BRELA_TEST_FILMS ${media}/film1.avi ${media}/film3.avi PARENT_SCOPE)
  else()
    message(STATUS "Sound and film tests of the board not built: espeak-ng, lame or ffmpeg is missing (scripts/install-deps.sh)")
  endif()
endif()
