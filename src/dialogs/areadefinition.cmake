# The collecting-area definition dialog and the catalogue-number dialogs.
korvex_add_library(korvex_areadefinition CORE
  SOURCES
    areadefinition/arearules.cpp areadefinition/areafieldswitches.cpp
    areadefinition/areaworklist.cpp areadefinition/numberranges.cpp
  LIBS korvex_model korvex_platform
)
