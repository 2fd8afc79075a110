# Small helpers so every subsystem declares its library, tests and benchmarks the same way.

# skrivo_add_library(<name> SOURCES ... [QT] [DEPS ...])
# Creates the static library skrivo_<name> with src/ as its include root.
function(skrivo_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(skrivo_${name} STATIC ${ARG_SOURCES})
  target_include_directories(skrivo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(skrivo_${name} PUBLIC ${ARG_DEPS})
endfunction()

# skrivo_add_gtest(<target> SOURCES ... DEPS ...)
# A GoogleTest program whose tests CTest runs one by one, offscreen.
function(skrivo_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# skrivo_add_bench(<target> SOURCES ... DEPS ...)
function(skrivo_add_bench target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()
