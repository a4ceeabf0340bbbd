list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_lines.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/font_code_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_colour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyboard_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/special_alphabet_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_box_fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_applier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_form_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
)
list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/char_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/charset_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_print_scale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/special_alphabet.cpp
)
