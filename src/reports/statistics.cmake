korvex_add_library(korvex_statistics CORE
  SOURCES statistics.cpp detailviewtexts.cpp
  LIBS korvex_model
)
