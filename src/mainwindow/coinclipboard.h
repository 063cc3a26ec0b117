#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/collectiondocument.h"

// The clipboard's coin document: `deduvidarov` with one `mintlist` holding a `mint` element per
// coin, the pictures as absolute paths. Other programs may hand the text over in UTF-8 or in
// Windows-1252; both are read.
namespace korvex {

// The clipboard text for one coin (UTF-8 XML).
std::string CoinClipboardText(const TDaten& coin, const CollectionDocument& doc);

// The clipboard's bytes as UTF-8: a text that is valid UTF-8 stays as it is, anything else is
// taken as Windows-1252.
std::string ClipboardTextAsUtf8(std::string_view bytes);

struct ClipboardCoins {
  // The coins read, in order, up to the first that failed.
  std::vector<std::unique_ptr<TDaten>> coins;
  // The text was no coin document (no text, no XML, no document element, no `mintlist`) or a
  // `mint` element could not be read.
  bool failed = false;
};

// Reads the coins of a clipboard text (UTF-8 or Windows-1252), each with its note.
ClipboardCoins ReadClipboardText(std::string_view bytes, const CollectionDocument& doc);

}  // namespace korvex
