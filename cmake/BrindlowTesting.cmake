# Test helpers: every test runs without a display and without a sound card.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

set(BRINDLOW_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")

# brindlow_gtest(<target> SOURCES ... LIBS ...): a GoogleTest binary whose cases CTest lists one by one.
function(brindlow_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  # brindlow_test_main sets the environment itself, so a binary run by hand behaves as under CTest.
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock brindlow_test_main)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
endfunction()

# brindlow_qtest(<target> SOURCES ... LIBS ...): a Qt Test binary, run offscreen as one CTest test.
function(brindlow_qtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${BRINDLOW_TEST_ENVIRONMENT}")
endfunction()
