# The main window: its window-free rules, and the window with its grid, menus, toolbars and
# status bar.
korvex_add_library(korvex_mainwindow_core CORE
  SOURCES gui/uniformlayout.cpp
  LIBS korvex_view korvex_model korvex_platform
)

korvex_add_library(korvex_mainwindow_gui
  SOURCES
    gui/qtmessageservice.cpp
    gui/filedialogs.cpp
    gui/statuszeile.cpp
    gui/datenbereich.cpp
    gui/toolbaricons.cpp
    gui/mainwindowcommands.cpp
    gui/viewgridcontent.cpp
    gui/qtmainwindowdialogs.cpp
    gui/thauptfenster.cpp
    gui/thauptfensterstart.cpp
    gui/thauptfensterdatei.cpp
    gui/thauptfensterexchange.cpp
    gui/tersatzfenster.cpp
    gui/tkategoriefenster.cpp
  LIBS korvex_core korvex_online_gui Qt6::Widgets Qt6::PrintSupport
)
foreach(dialogs korvex_dialogs_gui korvex_areadefinition_gui)
  if(TARGET ${dialogs})
    target_link_libraries(korvex_mainwindow_gui PUBLIC ${dialogs})
  endif()
endforeach()
# Moc needs only the headers, not the libraries built first.
set_target_properties(korvex_mainwindow_gui PROPERTIES AUTOGEN_ORIGIN_DEPENDS OFF)
