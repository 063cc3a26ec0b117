# The windows of the reports: the detail view `TAnsicht` and the picture window `TBildfenster`.
korvex_add_library(korvex_reports_gui
  SOURCES gui/tansicht.cpp gui/tbildfenster.cpp
  LIBS korvex_pictures korvex_statistics korvex_settings Qt6::Widgets
)
