// The picture loader on raw bytes. The first byte chooses the file name, and with it the reader
// (JPEG, Windows bitmap, PCX, Targa), and whether a JPEG may be decoded smaller for a target.

#include "fuzz/fuzzsupport.h"
#include "reports/pictureloader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const kNames[] = {"bild.jpg", "bild.bmp", "bild.pcx", "bild.tga"};
  const std::string name = kNames[data[0] % 4];
  const QSize target = data[0] & 4 ? QSize(64, 48) : QSize();
  try {
    const korvex::LoadedPicture picture =
        korvex::DecodePicture(std::span<const uint8_t>(data + 1, size - 1), name, target);
    if (picture.image.isNull() || picture.original_size.isEmpty()) {
      korvex::fuzz::Mismatch("leeres Bild ohne Fehler");
    }
  } catch (const korvex::EPictureError&) {
    // A German message naming the file, as the picture window shows it.
  }
  return 0;
}
