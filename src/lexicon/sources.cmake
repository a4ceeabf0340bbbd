list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/letters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/letter_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lexicon1_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headword_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alt_file_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictd_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictd_definition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictd_import.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictd_staging.cpp
)
