# The helpers shared by the benchmark programs and their tests. Both bench/ and tests/bench/
# include this file, so the library is declared by whichever comes first.
if(NOT TARGET korvex_benchsupport)
  add_library(korvex_benchsupport STATIC
    "${CMAKE_CURRENT_LIST_DIR}/collectiongenerator.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/zipentry.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/referenceops.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/samplefiles.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/memoryprobe.cpp")
  target_include_directories(korvex_benchsupport PUBLIC
    "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/bench")
  target_link_libraries(korvex_benchsupport PUBLIC
    korvex_collectionfile korvex_exchange korvex_view korvex_model korvex_platform
    pugixml::pugixml ZLIB::ZLIB)
endif()
