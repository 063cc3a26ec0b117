#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <QImage>
#include <QSize>

#include "reports/picturelimits.h"

namespace korvex {

// A coin picture as loaded from its file.
struct LoadedPicture {
  QImage image;         // 24-bit RGB; a JPEG may come smaller than its file when a target was given
  QSize original_size;  // the picture's size in its file, in pixels
};

// The file a picture reference names. A name with a drive ("C:..."), a network share ("\\server")
// or a leading separator is taken as it is; any other name lies below `picture_folder` (which ends
// with a separator). "\" counts as a separator like "/". Texts are Windows-1252.
std::string ResolvePicturePath(const std::string& name, const std::string& picture_folder);

// Loads the picture that `name` references. An empty name or "." gives nothing. ".jpg" and ".jpeg"
// are decoded as JPEG, any other name as a Windows bitmap; when that fails the file is read as PCX,
// and for the further formats of the picture dialog the Targa reader (".tga") or Qt's own readers
// (".gif", ".ico", ".jif", ".wmf", where Qt has one) are tried last. The error of the last attempt is thrown as
// EPictureError with a German message naming the file.
//
// `target` is the largest size the picture will be shown or printed at; when it is given, a JPEG is
// decoded at 1/2, 1/4 or 1/8 of its size as long as it still fills the target when fitted into it.
std::optional<LoadedPicture> LoadPicture(const std::string& name, const std::string& picture_folder,
                                         QSize target = {});

// The reading part of LoadPicture for a file's bytes: the readers are chosen by the extension of
// `name`, which also names the file in the error.
LoadedPicture DecodePicture(std::span<const std::uint8_t> bytes, const std::string& name,
                            QSize target = {});

}  // namespace korvex
