list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/program_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_lexicon_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_exit_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_language_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_settings_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_text_area_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_media_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_mouse_writing_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_speech_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_batch_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_excluded_words_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_transform_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_lexicon_tool_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_font_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tform1_extras.cpp
)
# The start text and the other texts the program carries.
qt_add_resources(VERNIK_UI_SOURCES ${CMAKE_CURRENT_LIST_DIR}/../../data/vernik.qrc)
