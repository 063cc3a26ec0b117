#include "reports/pictureloader.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "model/codepage.h"
#include "model/paths.h"
#include "platform/filebytes.h"
#include "reports/bitmapdecoder.h"
#include "reports/jpegdecoder.h"
#include "reports/pcxreader.h"
#include "reports/targadecoder.h"

namespace korvex {
namespace {

// Larger files are no coin pictures; the largest picture the readers accept fits well below this.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t(1) << 30;

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string LowerExtension(const std::string& name) {
  std::string extension = ExtensionOf(name);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The further formats that Qt's readers stand in for, by extension, with Qt's format name. Targa
// files have a reader of their own.
const char* QtFormatFor(const std::string& extension) {
  static const std::map<std::string, const char*> formats = {
      {".gif", "gif"}, {".ico", "ico"}, {".jif", "jpeg"}, {".wmf", "wmf"}};
  const auto found = formats.find(extension);
  return found == formats.end() ? nullptr : found->second;
}

std::string Quoted(const std::string& path) { return "„" + Win1252ToUtf8(path) + "“"; }

FileBytes ReadFile(const std::string& path) {
  FileBytes file = ReadWholeFile(NativePath(path), kMaxFileSize);
  switch (file.status) {
    case FileReadStatus::kRead:
      return file;
    case FileReadStatus::kCannotOpen:
      throw EPictureError("Die Bilddatei " + Quoted(path) + " wurde nicht gefunden.");
    case FileReadStatus::kTooLarge:
      throw EPictureError("Die Bilddatei " + Quoted(path) + " ist zu groß.");
    case FileReadStatus::kReadFailed:
      break;
  }
  throw EPictureError("Die Bilddatei " + Quoted(path) + " kann nicht gelesen werden.");
}

ByteView View(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

LoadedPicture Whole(QImage image) {
  const QSize size = image.size();
  return {std::move(image), size};
}

LoadedPicture ReadJpeg(ByteView bytes, QSize target) {
  LoadedPicture picture;
  picture.image = DecodeJpeg(bytes, target, &picture.original_size);
  return picture;
}

LoadedPicture ReadPcx(ByteView bytes) {
  const std::optional<Bytes> bitmap = PcxToBitmap(bytes);
  // A PCX variant without a conversion goes to the bitmap reader as it is, which refuses it.
  return Whole(bitmap ? DecodeBitmap(*bitmap) : DecodeBitmap(bytes));
}

LoadedPicture ReadWithQt(ByteView bytes, const char* format) {
  if (!QImageReader::supportedImageFormats().contains(format)) {
    throw EPictureError("für dieses Bildformat ist kein Leser vorhanden");
  }
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, format);
  const QSize size = reader.size();
  if (size.isValid() && !SanePictureSize(size.width(), size.height())) {
    throw EPictureError("das Bild hat eine ungültige Größe");
  }
  QImage image;
  if (!reader.read(&image)) throw EPictureError("die Bilddaten sind beschädigt");
  return Whole(image.convertToFormat(QImage::Format_RGB888));
}

}  // namespace

std::string ResolvePicturePath(const std::string& name, const std::string& picture_folder) {
  const bool drive = name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
  const bool rooted = !name.empty() && IsSeparator(name[0]);  // also "\\server\share"
  std::string path = drive || rooted ? name : picture_folder + name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::optional<LoadedPicture> LoadPicture(const std::string& name, const std::string& picture_folder,
                                         QSize target) {
  if (name.empty() || name == ".") return std::nullopt;
  const std::string path = ResolvePicturePath(name, picture_folder);
  return DecodePicture(View(ReadFile(path).bytes), path, target);
}

LoadedPicture DecodePicture(ByteView bytes, const std::string& name, QSize target) {
  const std::string extension = LowerExtension(name);
  std::string last_error;
  try {
    if (extension == ".jpg" || extension == ".jpeg") return ReadJpeg(bytes, target);
    return Whole(DecodeBitmap(bytes));
  } catch (const EPictureError& error) {
    last_error = error.message();
  }
  try {
    return ReadPcx(bytes);
  } catch (const EPictureError& error) {
    last_error = error.message();
  }
  if (extension == ".tga") {
    try {
      return Whole(DecodeTarga(bytes));
    } catch (const EPictureError& error) {
      last_error = error.message();
    }
  }
  if (const char* format = QtFormatFor(extension)) {
    try {
      return ReadWithQt(bytes, format);
    } catch (const EPictureError& error) {
      last_error = error.message();
    }
  }
  throw EPictureError("Das Bild " + Quoted(name) + " kann nicht gelesen werden: " + last_error + ".");
}

}  // namespace korvex
