# The collecting-area definition dialog and the catalogue-number dialogs.
korvex_add_library(korvex_areadefinition CORE
  SOURCES
    areadefinition/arearules.cpp areadefinition/areafieldswitches.cpp
    areadefinition/areaworklist.cpp areadefinition/numberranges.cpp
  LIBS korvex_model korvex_platform
)

korvex_add_library(korvex_areadefinition_gui
  SOURCES
    areadefinition/waitwindowprogress.cpp areadefinition/iconfilechooser.cpp
    areadefinition/tkatalognummernamefenster.cpp areadefinition/tnummernkreisfenster.cpp
    areadefinition/tdefkat.cpp
  LIBS korvex_areadefinition korvex_dialogs_gui Qt6::Widgets
)
