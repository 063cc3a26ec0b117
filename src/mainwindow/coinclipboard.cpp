#include "mainwindow/coinclipboard.h"

#include <pugixml.hpp>

#include "files/fileerrors.h"
#include "files/xmlcollection.h"
#include "model/codepage.h"

namespace korvex {
namespace {

// As for collection files: a note or field of blanks survives, line ends arrive as they are.
constexpr unsigned kParseOptions =
    (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_eol;

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const int length = SequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

std::string CoinClipboardText(const TDaten& coin, const CollectionDocument& doc) {
  return CoinClipboardXml(coin, doc);
}

std::string ClipboardTextAsUtf8(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Win1252ToUtf8(bytes);
}

ClipboardCoins ReadClipboardText(std::string_view bytes, const CollectionDocument& doc) {
  ClipboardCoins result;
  const std::string text = ClipboardTextAsUtf8(bytes);
  pugi::xml_document xml;
  // The text is UTF-8 now, whatever a declaration in it claims.
  const bool parsed = !text.empty() &&
                      xml.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
  const pugi::xml_node mintlist = parsed ? xml.document_element().child("mintlist") : pugi::xml_node();
  if (!mintlist) {
    result.failed = true;
    return result;
  }
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) {
    try {
      result.coins.push_back(ReadCoinElement(mint, doc));
    } catch (const EKorvexError&) {
      result.failed = true;
      break;
    }
  }
  return result;
}

}  // namespace korvex
