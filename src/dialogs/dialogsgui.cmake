# The dialogs of the main window: settings, lookup-list editor, password and wait window.
korvex_add_library(korvex_dialogs_gui
  SOURCES
    gui/widetext.cpp
    gui/waitwindow.cpp
    gui/tpasswort.cpp
    gui/guipasswordprompt.cpp
    gui/teditform.cpp
    gui/updown.cpp
  LIBS korvex_core Qt6::Widgets
)
