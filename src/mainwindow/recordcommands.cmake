# The record commands' rules: numbering, the clipboard document, pasting and the quick price change.
korvex_add_library(korvex_recordcommands CORE
  SOURCES recordbookkeeping.cpp coinclipboard.cpp coinpaste.cpp quickprice.cpp
  LIBS korvex_view korvex_collectionfile korvex_settings korvex_model
)
