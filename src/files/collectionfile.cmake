korvex_add_library(korvex_collectionfile CORE
  SOURCES
    xmlnodes.cpp xmlmintsplit.cpp xmlcoinelement.cpp xmlcollectionwriter.cpp
    xmlcollectionreader.cpp xmlelementreader.cpp
    ziparchive.cpp safefilewrite.cpp collectionfileio.cpp backup.cpp
    picturefiles.cpp
  LIBS korvex_model korvex_platform pugixml::pugixml PkgConfig::LIBZIP
)
