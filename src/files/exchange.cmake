korvex_add_library(korvex_exchange CORE
  SOURCES
    legacyscrambling.cpp legacystream.cpp legacyrecords.cpp legacyfile.cpp
    textexportcolumns.cpp textexport.cpp
    textimportlines.cpp textimportcells.cpp textimportelements.cpp textimportareas.cpp
    textimport.cpp
  LIBS korvex_model korvex_platform
)
