list(APPEND VERNIK_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/media_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_word.cpp
)
