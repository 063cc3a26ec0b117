# The command-line tool: the commands live in a library so that the tool itself is only the
# dispatch in main.cpp.
add_library(korvex_cli STATIC
  arguments.cpp terminal.cpp documentjson.cpp commandsupport.cpp collectionloading.cpp
  outputfiles.cpp formatoptions.cpp importanswers.cpp
  viewoptions.cpp readcommands.cpp viewcommands.cpp printcommands.cpp printreportcommands.cpp printcoincommands.cpp writecommands.cpp exchangecommands.cpp lookupcommands.cpp
  commandtable.cpp)
target_include_directories(korvex_cli PUBLIC "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}")
target_link_libraries(korvex_cli PUBLIC korvex_core nlohmann_json::nlohmann_json)

add_executable(korvex-cli main.cpp)
target_link_libraries(korvex-cli PRIVATE korvex_cli)
