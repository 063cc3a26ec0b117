# The printouts: page set-up and text helpers, the list and the statistics printout. They paint
# on any paint device, so the window prints them and the command-line tool writes them as PDF.
korvex_add_library(korvex_printing CORE
  SOURCES printpage.cpp listprintout.cpp statisticsprintout.cpp pdfoutput.cpp
  LIBS korvex_statistics korvex_view korvex_model Qt6::Gui
)
