# Checks that the player's French texts are stored in code page 1252, not in UTF-8.
#   cmake -DPLAYER=path/to/brela.exe -P player_texts_cp1252.cmake
file(READ "${PLAYER}" bytes HEX)
# "Réalisé avec la version 2.1" and "yade lidée", each in code page 1252 (é = E9) and in UTF-8 (é = C3 A9).
set(cp1252 "52e9616c6973e92061766563206c612076657273696f6e20322e31" "79616465206c6964e965")
set(utf8 "52c3a9616c6973c3a9" "6c6964c3a965")
foreach(text IN LISTS cp1252)
  string(FIND "${bytes}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not found in code page 1252: ${text}")
  endif()
endforeach()
foreach(text IN LISTS utf8)
  string(FIND "${bytes}" "${text}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "found in UTF-8: ${text}")
  endif()
endforeach()
