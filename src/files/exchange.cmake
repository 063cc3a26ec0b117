korvex_add_library(korvex_exchange CORE
  SOURCES
    legacyscrambling.cpp legacystream.cpp legacyrecords.cpp legacyfile.cpp
  LIBS korvex_model korvex_platform
)
