# Small helpers so every subsystem declares its library, tests and benchmarks the same way.
#
# Layering is enforced through include roots. Each subsystem (a folder of src/, or src/host/api
# on its own as "host_api") gets a root of its own in the build tree that holds only that folder,
# so "#include "host/editor/X.h"" compiles only in a target that declared USES host. Roots never
# pass from a library to the targets that link it: every target names what it includes. A library
# may use only roots declared before it (the subsystems are added in dependency order), which
# keeps every dependency pointing downwards.

set(SKRIVO_ROOTS_DIR ${PROJECT_BINARY_DIR}/include-roots)
set_property(GLOBAL PROPERTY SKRIVO_DECLARED_ROOTS "")

# skrivo_declare_root(<root> <folder under src/>)
# Makes <root> an include root that exposes src/<folder> as "<folder>/...".
function(skrivo_declare_root root folder)
  set(link ${SKRIVO_ROOTS_DIR}/${root}/${folder})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${link})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${link} SYMBOLIC)
  endif()
  set_property(GLOBAL APPEND PROPERTY SKRIVO_DECLARED_ROOTS ${root})
endfunction()

skrivo_declare_root(platform platform)
skrivo_declare_root(host_api host/api)

# skrivo_uses(<target> <roots>...)
# Gives a target the include roots of the subsystems it may use.
function(skrivo_uses target)
  get_property(declared GLOBAL PROPERTY SKRIVO_DECLARED_ROOTS)
  foreach(root IN LISTS ARGN)
    if(NOT root IN_LIST declared)
      message(FATAL_ERROR "${target} uses '${root}', which is not a subsystem below it (declared: ${declared})")
    endif()
    target_include_directories(${target} PRIVATE ${SKRIVO_ROOTS_DIR}/${root})
  endforeach()
endfunction()

# skrivo_add_library(<name> SOURCES ... [ROOT <root>] [USES <roots>...] [DEPS <targets>...])
# The static library skrivo_<name>. Its files include their own subsystem (ROOT, by default
# <name>, the folder src/<root>) and the subsystems named in USES; DEPS are linked.
function(skrivo_add_library name)
  cmake_parse_arguments(ARG "" "ROOT" "SOURCES;USES;DEPS" ${ARGN})
  if(NOT ARG_ROOT)
    set(ARG_ROOT ${name})
  endif()
  get_property(declared GLOBAL PROPERTY SKRIVO_DECLARED_ROOTS)
  if(NOT ARG_ROOT IN_LIST declared)
    skrivo_declare_root(${ARG_ROOT} ${ARG_ROOT})
  endif()
  add_library(skrivo_${name} STATIC ${ARG_SOURCES})
  skrivo_uses(skrivo_${name} ${ARG_ROOT} ${ARG_USES})
  target_link_libraries(skrivo_${name} PUBLIC ${ARG_DEPS})
endfunction()

# skrivo_add_gtest(<target> SOURCES ... USES <roots>... DEPS ...)
# A GoogleTest program whose tests CTest runs one by one, offscreen. tests/ is its own root.
function(skrivo_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;USES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  skrivo_uses(${target} ${ARG_USES})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# skrivo_add_bench(<target> SOURCES ... USES <roots>... DEPS ...)
function(skrivo_add_bench target)
  cmake_parse_arguments(ARG "" "" "SOURCES;USES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  skrivo_uses(${target} ${ARG_USES})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()
