#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "model/collectiondocument.h"
#include "platform/progress.h"

// The XML collection file: the whole collection document as one XML document (UTF-8, document
// element `deduvidarov`), and the single coin, area and cell elements that the clipboard and the
// file share. Errors are the exceptions and messages of files/fileerrors.h.
namespace korvex {

// --- whole documents ---

// The document's XML text: UTF-8, no declaration, no whitespace between elements. Reports one
// progress step per coin under "Speichere Daten. Fertig:".
std::string WriteCollectionXml(const CollectionDocument& doc, Progress& progress);

struct XmlReadReport {
  // Coins whose area id named no area; they were moved to a new rescue area.
  int rescued_coins = 0;
  // The version in the file's `fileinfo` (1.0 for files this program writes).
  double file_version = 0;
};

// Fills `doc`, which the caller has emptied (areas and coins), from an XML text. The parser works
// inside `buffer`, whose content is destroyed. Reports one progress step per coin under "Lade
// Daten. Fertig:". Throws EXMLException when the text is not well-formed XML or its document
// element is wrong, EXMLNodeDoesNotExist / EXMLAttributeDoesNotExist for missing required parts
// and EConvertError for an invalid whole number; the document then keeps what was read before.
XmlReadReport ReadCollectionXml(CollectionDocument& doc, std::string& buffer, Progress& progress);

// Reads like ReadCollectionXml, but always from one tree of the whole text, which is what
// ReadCollectionXml falls back on when it cannot read the coins one by one. The two must agree on
// every text; the fuzz target of the reader checks that they do.
XmlReadReport ReadCollectionXmlAsOneTree(CollectionDocument& doc, std::string& buffer,
                                         Progress& progress);

// --- single elements ---

// Appends a `mint` element for `coin`. With `absolute_paths` a bare picture reference is written
// as the document's picture folder followed by the name (the clipboard's form).
pugi::xml_node WriteCoinElement(pugi::xml_node parent, const TDaten& coin,
                                const CollectionDocument& doc, bool absolute_paths);

// Reads a `mint` element into `coin` (a new record). The extra fields' descriptions fall back to
// the captions of the coin's area in `doc` when the element carries none.
void ReadCoinElement(pugi::xml_node mint, TDaten& coin, const CollectionDocument& doc);
std::unique_ptr<TDaten> ReadCoinElement(pugi::xml_node mint, const CollectionDocument& doc);

// Appends the `category` element of an area whose id is `id`.
pugi::xml_node WriteAreaElement(pugi::xml_node parent, const TKategorie& area, int id);

// Reads an area's `category` element into a new area. Below file version 0.3 the area keeps its
// ten default columns.
std::unique_ptr<TKategorie> ReadAreaElement(pugi::xml_node category, float file_version);

pugi::xml_node WriteCellElement(pugi::xml_node parent, const TZelle& cell);
TZelle ReadCellElement(pugi::xml_node cell);

// --- clipboard ---

// `<deduvidarov><mintlist><mint .../></mintlist></deduvidarov>` in UTF-8, the coin written with
// absolute picture paths.
std::string CoinClipboardXml(const TDaten& coin, const CollectionDocument& doc);

// Every `mint` of the `mintlist` below the document element of an XML text, in order. Throws
// EXMLException when the text is no XML or has no `mintlist`, and the reader's exceptions when a
// coin cannot be read.
std::vector<std::unique_ptr<TDaten>> ReadClipboardCoins(std::string_view xml,
                                                        const CollectionDocument& doc);

}  // namespace korvex
