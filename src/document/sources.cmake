list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/document_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_files.cpp
)
list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/print_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_transform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/byte_digits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cyrillic_conversion.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/text_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_transformations.cpp
)
