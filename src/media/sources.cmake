list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/media_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_word.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_show.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_writing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/letter_sounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/speech_walker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wav_length.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_writing_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/waiting_sound_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spelled_speech.cpp
)
