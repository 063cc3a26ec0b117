korvex_add_library(korvex_platform CORE
  SOURCES datafolders.cpp
)
target_compile_definitions(korvex_platform PRIVATE
  KORVEX_SHIPPED_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
