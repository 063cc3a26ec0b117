# Build helpers shared by all subsystems.
#
# Every folder below src/ and tests/ includes the *.cmake fragments it holds, so each part of the
# program declares its own targets in a fragment of its own without touching anyone else's file.

macro(korvex_include_fragments)
  file(GLOB _korvex_fragments CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cmake")
  list(SORT _korvex_fragments)
  foreach(_fragment IN LISTS _korvex_fragments)
    include("${_fragment}")
  endforeach()
endmacro()

# korvex_add_library(NAME [CORE] SOURCES ... [LIBS ...]): a static library of the program.
# CORE marks a library without widgets; korvex_core gathers all of them.
function(korvex_add_library name)
  cmake_parse_arguments(ARG "CORE" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  if(ARG_CORE)
    set_property(GLOBAL APPEND PROPERTY KORVEX_CORE_LIBRARIES ${name})
  else()
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# korvex_add_gtest(NAME SOURCES ... [LIBS ...]): a GoogleTest suite registered with ctest.
function(korvex_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} korvex_testsupport GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVEX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# korvex_add_qtest(NAME SOURCES ... [LIBS ...]): a Qt Test suite run offscreen.
function(korvex_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} korvex_testsupport Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVEX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
