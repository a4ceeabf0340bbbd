list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/hex_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/label_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_documents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_address.cpp
)
list(APPEND VERNIK_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/extras_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hex_view_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manuals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_programs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_panel.cpp
)
