# The token-text functions as a library of their own: pure text rewriting, no host, so the
# source walker's tests and benchmarks can use them without the editor bridge.
# Included from src/bridge/CMakeLists.txt (and, until that exists, from src/source/).
if(NOT TARGET skrivo_tokentext)
  add_library(skrivo_tokentext STATIC ${CMAKE_CURRENT_LIST_DIR}/TokenText.cpp)
  target_include_directories(skrivo_tokentext PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(skrivo_tokentext PROPERTIES AUTOMOC OFF)
endif()
