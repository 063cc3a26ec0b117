# The windows of the reports: the detail view `TAnsicht` with its printouts and the card set-up,
# and the picture window `TBildfenster`.
korvex_add_library(korvex_reports_gui
  SOURCES gui/tansicht.cpp gui/tansichtdruck.cpp gui/tkarteidruckwahl.cpp gui/qtcardprinters.cpp
          gui/tbildfenster.cpp
  LIBS korvex_detailprint korvex_pictures korvex_statistics korvex_settings Qt6::Widgets
       Qt6::PrintSupport
)
