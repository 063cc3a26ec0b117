korvex_add_library(korvex_view CORE
  SOURCES
    templatematching.cpp coinfilter.cpp coinsearch.cpp sorting.cpp gridcolumns.cpp celltext.cpp
    gridview.cpp windowtitle.cpp statuslayout.cpp statusprogress.cpp sortdialogkeys.cpp fieldchoice.cpp
  LIBS korvex_model korvex_platform
)
