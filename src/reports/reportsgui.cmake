# The detail view and the other windows of the reports.
korvex_add_library(korvex_reports_gui
  SOURCES gui/tansicht.cpp
  LIBS korvex_statistics korvex_settings Qt6::Widgets
)
