list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/position_prefix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/letter_file_rewrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/held_letter_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alt_entries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batch_rewrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_reversal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_insertion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_list_words.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_change.cpp
  ${CMAKE_CURRENT_LIST_DIR}/merge_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comment_merge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_merge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comment_rewrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comment_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_box_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_count.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_words.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mark_removal.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/change_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batch_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comment_editing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon_tools.cpp
)
