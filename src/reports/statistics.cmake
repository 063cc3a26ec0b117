korvex_add_library(korvex_statistics CORE
  SOURCES statistics.cpp
  LIBS korvex_model
)
