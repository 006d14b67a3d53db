# Shared build rules: one warnings interface for every target, the sanitizer
# switch, and the helpers that turn a folder into a library or tests.

add_library(kestrin_warnings INTERFACE)
target_compile_options(kestrin_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Werror
  # GCC 12 at -O3 reports std::string's own inlined copies as overlapping
  # (a known false alarm of -Wrestrict in the standard library headers).
  $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)

if(KESTRIN_SANITIZE)
  target_compile_options(kestrin_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kestrin_warnings INTERFACE -fsanitize=address,undefined)
endif()

# A fuzzing tree instruments every library for the fuzzer's coverage and
# checks it with AddressSanitizer and UndefinedBehaviorSanitizer; warnings
# are not errors there, as clang warns of other things than the compiler the
# project is built with.
if(KESTRIN_FUZZ)
  target_compile_options(kestrin_warnings INTERFACE -Wno-error
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kestrin_warnings INTERFACE -fsanitize=address,undefined)
endif()

# kestrin_library(NAME DIR DEPS...): a static library of every .cpp in DIR
# (not below it), with the project root as its include root.
function(kestrin_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE kestrin_warnings)
endfunction()

# kestrin_tests(PREFIX DEPS...): one GoogleTest program, PREFIX_tests, of every
# *_test.cpp and *_support.cpp in the current folder (and the SUPPORT sources
# of other test folders), each test registered with ctest. NEEDS names programs that must be built before the tests run (they
# find them under KESTRIN_BINARY_DIR/bin). Every program links the shared test
# kit of tests/common.
function(kestrin_tests prefix)
  cmake_parse_arguments(ARG "" "" "DEPS;ENVIRONMENT;NEEDS;SUPPORT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*_support.cpp)
  set(target ${prefix}_tests)
  add_executable(${target} ${sources} ${ARG_SUPPORT})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} kestrin_testkit GTest::gtest GTest::gtest_main
                        kestrin_warnings)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${target} PRIVATE
    KESTRIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KESTRIN_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(ARG_NEEDS)
    add_dependencies(${target} ${ARG_NEEDS})
  endif()
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "LC_ALL=C;${ARG_ENVIRONMENT}")
endfunction()
