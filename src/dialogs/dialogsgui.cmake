# The dialogs of the main window: settings, lookup-list editor, password and wait window, the coin
# entry dialog with its calendar.
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
    gui/tdateform.cpp
    gui/picturechooser.cpp
    gui/tfenstereingabefenster.cpp
    gui/tfenstereingabefensterrecord.cpp
    gui/tfenstereingabefensterrules.cpp
  LIBS korvex_core korvex_reports_gui Qt6::Widgets
)
