# The dialogs of the main window: settings, lookup-list editor, password and wait window.
korvex_add_library(korvex_dialogs_gui
  SOURCES
    gui/widetext.cpp
    gui/waitwindow.cpp
    gui/tpasswort.cpp
    gui/guipasswordprompt.cpp
    gui/teditform.cpp
    gui/tmainform.cpp
    gui/updown.cpp
    gui/toptionen.cpp
    gui/toptionenpages.cpp
  LIBS korvex_core Qt6::Widgets
)
