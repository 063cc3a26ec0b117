# The windows and the print-dialog glue of the reports.
korvex_add_library(korvex_reports_gui
  SOURCES gui/printerchoice.cpp gui/printabortwatch.cpp gui/listprinting.cpp gui/tgesamtfenster.cpp
  LIBS korvex_printing korvex_settings Qt6::Widgets Qt6::PrintSupport
)
