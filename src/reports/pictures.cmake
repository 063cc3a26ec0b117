# Coin pictures: the loader with its JPEG, bitmap and PCX readers, the printed-picture rule and
# where the picture windows open.
korvex_add_library(korvex_pictures CORE
  SOURCES
    picturelimits.cpp jpegdecoder.cpp bitmapdecoder.cpp pcxreader.cpp targadecoder.cpp
    pictureloader.cpp
    printedpicture.cpp pictureplacement.cpp
  LIBS korvex_settings korvex_model Qt6::Gui JPEG::JPEG
)

