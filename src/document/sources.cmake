list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/document_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_files.cpp
)
