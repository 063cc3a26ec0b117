korvex_add_library(korvex_model CORE
  SOURCES
    codepage.cpp numbertext.cpp textcompare.cpp rounding.cpp numberformat.cpp datetime.cpp
    fieldcatalogue.cpp tzelle.cpp ttext.cpp tdaten.cpp tkategorie.cpp paths.cpp
    collectiondocument.cpp
)
