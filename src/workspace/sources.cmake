list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/lookup_word.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alt_paging.cpp
  ${CMAKE_CURRENT_LIST_DIR}/writing_capture.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/lookup_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon1_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_box_writing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reading_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alt_boxes.cpp
)
