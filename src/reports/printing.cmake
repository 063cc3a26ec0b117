# The printouts: page set-up and text helpers, the list and the statistics printout. They paint
# on any paint device, so the window prints them and the command-line tool writes them as PDF.
korvex_add_library(korvex_printing CORE
  SOURCES printpage.cpp listprintout.cpp statisticsprintout.cpp pdfoutput.cpp
  LIBS korvex_statistics korvex_view korvex_model Qt6::Gui
)

# The detail view's content and its two printouts, the coin sheet and the index card.
korvex_add_library(korvex_detailprint CORE
  SOURCES detailviewcontent.cpp detailviewstepping.cpp cardpapers.cpp printoutpicture.cpp
          coinsheetprintout.cpp indexcardprintout.cpp
  LIBS korvex_printing korvex_pictures korvex_settings korvex_statistics Qt6::Gui
)
