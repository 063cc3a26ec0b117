#include "files/fileerrors.h"
#include "files/xmlcollection.h"
#include "files/xmlelementreader.h"
#include "files/xmlmintsplit.h"
#include "files/xmlnodes.h"
#include "files/xmltreesize.h"
#include "files/readlimits.h"
#include "model/fieldcatalogue.h"
#include "model/numbertext.h"
#include "model/rounding.h"

namespace korvex {
namespace {

using xml::ChildFinder;
using xml::ReadText;
using xml::RequireAttribute;
using xml::YesNoValue;

// Whitespace-only text is kept when it is an element's only content, so that a note or a field
// consisting of blanks survives; whitespace between elements is dropped. Line ends are kept as
// they are: the notes' CR LF then arrive unchanged, and only bare CRs and LFs need converting.
constexpr unsigned kParseOptions =
    (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_eol;

double FileVersion(pugi::xml_node fileinfo) {
  ChildFinder finder(fileinfo);
  double version = 0;
  const xml::ElementText text(finder.Require("version"));
  if (!ParseDouble(text, version)) {
    throw EConvertError("'" + std::string(text.view()) + "' ist kein gültiger Gleitkommawert");
  }
  return version;
}

// Restores each entry's alignment and width from the stored cell of the same field type; entries
// not stored keep their defaults. Cells that cannot be read leave the whole table at its defaults.
void ReadAlignmentTable(pugi::xml_node cells, CollectionDocument& doc) {
  doc.ResetAlignmentTable();
  if (!cells) return;
  try {
    std::array<TZelle, kAlignmentTableSize> table = doc.alignment_table;
    for (pugi::xml_node element = cells.child("cell"); element; element = element.next_sibling("cell")) {
      const TZelle cell = ReadCellElement(element);
      if (cell.type >= 0 && cell.type < kAlignmentTableSize) table[cell.type] = cell;
    }
    doc.alignment_table = table;
  } catch (const EKorvexError&) {
    doc.ResetAlignmentTable();
  }
}

void ReadOrders(pugi::xml_node orders, CollectionDocument& doc) {
  doc.standard_order = YesNoValue(RequireAttribute(orders, "active").value());
  if (doc.standard_order) return;
  size_t k = 0;
  for (pugi::xml_node order = orders.child("order"); order && k < doc.sort_keys.size();
       order = order.next_sibling("order"), ++k) {
    const int type = FieldTypeOfKey(std::string(xml::ElementText(order).view()));
    const bool descending = std::string_view(order.attribute("direction").value()) == "desc";
    doc.sort_keys[k] = descending ? -type : type;
  }
}

void ReadOptions(pugi::xml_node options, float version, CollectionDocument& doc) {
  ChildFinder finder(options);
  if (pugi::xml_node currency = finder.Find("currency")) ReadText(currency, doc.currency_symbol);
  int view = kAllCoinsView;
  pugi::xml_node category = finder.Find("category");
  if (!category || !ParseInt32(xml::ElementText(category), view)) view = kAllCoinsView;
  doc.current_view = view;
  pugi::xml_node cells = finder.Find("cells");
  if (version < xml::kCellsVersion) {
    doc.ResetAlignmentTable();
    return;
  }
  ReadAlignmentTable(cells, doc);
  ReadOrders(finder.Find("orders"), doc);
}

// Puts a coin whose area id names no area into the rescue area, created for the first one.
void RescueCoin(TDaten& coin, CollectionDocument& doc, int& rescue_id) {
  if (rescue_id == 0) rescue_id = doc.AppendRescueArea();
  coin.category = rescue_id;
}

void ReadAreas(pugi::xml_node categories, float version, CollectionDocument& doc) {
  pugi::xml_node first = categories.child("category");
  if (!first) throw EXMLNodeDoesNotExist("Node category does not exist");
  if (version >= xml::kCellsVersion) {
    ChildFinder finder(first);
    xml::ReadCellList(finder.Require("cells"), doc.all_cells);
  } else {
    doc.all_cells = DefaultCells();
    doc.sort_keys.fill(kNoSortKey);
    doc.standard_order = true;
  }
  int64_t count = 0;
  for (pugi::xml_node element = first.next_sibling("category"); element;
       element = element.next_sibling("category")) {
    if (++count > read_limits::kMaxAreas) throw EXMLException(kNotACollectionFile);
  }
  for (pugi::xml_node element = first.next_sibling("category"); element;
       element = element.next_sibling("category")) {
    doc.areas.push_back(ReadAreaElement(element, version));
    // Coins refer to areas by position, so the id is the position whatever the file says.
    doc.areas.back()->category = doc.AreaCount();
  }
}

// Appends the coins in file order with the progress display, the inventory-number rule and the
// rescue of coins whose area does not exist.
class CoinCollector {
 public:
  CoinCollector(CollectionDocument& doc, Progress& progress, int total)
      : doc_(doc), progress_(progress), total_(total) {
    if (total_ == 0) return;
    progress_.ProgressBegin("Lade Daten. Fertig:");
    progress_.ProgressTotal(total_);
    progress_.ProgressSet(0);
  }
  ~CoinCollector() {
    if (total_ > 0) progress_.ProgressEnd();
  }
  CoinCollector(const CoinCollector&) = delete;
  CoinCollector& operator=(const CoinCollector&) = delete;

  void Read(pugi::xml_node mint) {
    if (read_ >= read_limits::kMaxCoins) throw EXMLException(kNotACollectionFile);
    if (read_++ < total_) progress_.ProgressStep();
    // The record joins the document before it is read, so that a failure keeps what was read.
    doc_.Append(std::make_unique<TDaten>());
    TDaten& coin = *doc_.LastCoin();
    try {
      ReadCoinElement(mint, coin, doc_);
    } catch (...) {
      // Every coin in memory names an existing area, also the one that failed half-way.
      KeepInAnArea(coin);
      throw;
    }
    const int item = InventoryNumberValue(coin.item);
    if (item > doc_.highest_item) doc_.highest_item = item;
    KeepInAnArea(coin);
  }

  int rescued() const { return rescued_; }

 private:
  void KeepInAnArea(TDaten& coin) {
    if (doc_.Area(coin.category)) return;
    RescueCoin(coin, doc_, rescue_id_);
    ++rescued_;
  }

  CollectionDocument& doc_;
  Progress& progress_;
  int total_;  // the steps announced to the display
  int read_ = 0;
  int rescue_id_ = 0;
  int rescued_ = 0;
};

// Reads everything but the coins of a parsed document; returns the `mintlist` element and leaves
// the file's version in `file_version`.
pugi::xml_node ReadHead(const pugi::xml_document& xml, CollectionDocument& doc,
                        double& file_version) {
  pugi::xml_node root = xml.document_element();
  if (!root || std::string_view(root.name()) != "deduvidarov") {
    throw EXMLException(kNotACollectionFile);
  }

  ChildFinder finder(root);
  pugi::xml_node fileinfo = finder.Require("fileinfo");
  pugi::xml_node options = finder.Require("options");
  pugi::xml_node categories = finder.Require("categories");
  pugi::xml_node mintlist = finder.Require("mintlist");
  file_version = FileVersion(fileinfo);
  const float version = static_cast<float>(file_version);
  ReadOptions(options, version, doc);
  ReadAreas(categories, version, doc);
  // A stored view that names no area opens as all coins.
  if (doc.current_view != kAllCoinsView && !doc.Area(doc.current_view)) doc.current_view = kAllCoinsView;
  return mintlist;
}

XmlReadReport ReadWholeTree(CollectionDocument& doc, std::string& buffer, Progress& progress) {
  xml::CheckXmlTreeSize(buffer);
  pugi::xml_document xml;
  // A text the parser rejects is refused rather than read as an empty collection, so that a later
  // save cannot replace a damaged file with nothing.
  if (!xml.load_buffer_inplace(buffer.data(), buffer.size(), kParseOptions)) {
    throw EXMLException(kNotACollectionFile);
  }
  double file_version = 0;
  const pugi::xml_node mintlist = ReadHead(xml, doc, file_version);
  int total = 0;
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) ++total;
  CoinCollector coins(doc, progress, total);
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) {
    coins.Read(mint);
  }
  return XmlReadReport{coins.rescued(), file_version};
}

// A piece of a guessed coin list that is not well-formed on its own.
struct WrongGuess {};

// The coins of a collection file lie below `deduvidarov` and `mintlist`.
constexpr int kCoinDepth = 2;

// Parses a piece as a fragment. A fragment may hold a document type declaration where the coin
// list of a whole document may not, so a piece with one is taken as not well-formed.
bool ParsePiece(pugi::xml_document& piece, const std::string& buffer, const xml::TextRange& range) {
  if (!piece.load_buffer(buffer.data() + range.begin, range.end - range.begin,
                         kParseOptions | pugi::parse_fragment | pugi::parse_doctype,
                         pugi::encoding_utf8)) {
    return false;
  }
  for (pugi::xml_node node = piece.first_child(); node; node = node.next_sibling()) {
    if (node.type() == pugi::node_doctype) return false;
  }
  return true;
}

// Reads the file with its coin list cut into pieces (see xmlmintsplit.h): the rest of the file
// first, then each piece, all parsed from copies so that the buffer stays intact for reading the
// whole tree when the guess proves wrong.
XmlReadReport ReadPieceByPiece(CollectionDocument& doc, const std::string& buffer,
                               const xml::MintListPieces& guess, Progress& progress) {
  std::string rest;
  rest.reserve(guess.content.begin + buffer.size() - guess.content.end);
  rest.append(buffer, 0, guess.content.begin).append(buffer, guess.content.end);
  // The trees are measured before anything is read, so that a text too large is refused with an
  // empty document, as the whole tree refuses it.
  xml::CheckXmlTreeSize(rest);
  for (const xml::TextRange& range : guess.pieces) {
    xml::CheckXmlTreeSize(std::string_view(buffer).substr(range.begin, range.end - range.begin),
                          kCoinDepth);
  }
  pugi::xml_document rest_tree;
  if (!rest_tree.load_buffer_inplace(rest.data(), rest.size(), kParseOptions, pugi::encoding_utf8)) {
    throw WrongGuess{};
  }
  double file_version = 0;
  pugi::xml_document piece;
  size_t parsed = 0;  // the pieces parsed so far
  try {
    // The rest keeps the text before the coins as it was, so the list that the document element
    // holds has its name where the guess found it, unless the guess took another `mintlist`.
    const pugi::xml_node mintlist = ReadHead(rest_tree, doc, file_version);
    if (mintlist.offset_debug() != static_cast<ptrdiff_t>(guess.name_at)) throw WrongGuess{};

    // Files of this program hold one coin per piece, which makes the count exact for them.
    CoinCollector coins(doc, progress, static_cast<int>(guess.pieces.size()));
    for (const xml::TextRange& range : guess.pieces) {
      if (!ParsePiece(piece, buffer, range)) throw WrongGuess{};
      ++parsed;
      for (pugi::xml_node node = piece.child("mint"); node; node = node.next_sibling("mint")) {
        coins.Read(node);
      }
    }
    return XmlReadReport{coins.rescued(), file_version};
  } catch (const EKorvexError&) {
    // The whole tree meets the same error only when the whole text is well-formed; otherwise it
    // refuses the text as such.
    for (; parsed < guess.pieces.size(); ++parsed) {
      if (!ParsePiece(piece, buffer, guess.pieces[parsed])) throw WrongGuess{};
    }
    throw;
  }
}

// What reading the rest of a file changes besides the areas and coins.
struct DocumentOptions {
  explicit DocumentOptions(const CollectionDocument& doc)
      : currency_symbol(doc.currency_symbol),
        current_view(doc.current_view),
        all_cells(doc.all_cells),
        alignment_table(doc.alignment_table),
        sort_keys(doc.sort_keys),
        standard_order(doc.standard_order),
        highest_item(doc.highest_item) {}
  void Restore(CollectionDocument& doc) const {
    doc.currency_symbol = currency_symbol;
    doc.current_view = current_view;
    doc.all_cells = all_cells;
    doc.alignment_table = alignment_table;
    doc.sort_keys = sort_keys;
    doc.standard_order = standard_order;
    doc.highest_item = highest_item;
  }

  std::string currency_symbol;
  int32_t current_view;
  std::vector<TZelle> all_cells;
  std::array<TZelle, kAlignmentTableSize> alignment_table;
  std::array<int32_t, 5> sort_keys;
  bool standard_order;
  int32_t highest_item;
};

}  // namespace

XmlReadReport ReadCollectionXml(CollectionDocument& doc, std::string& buffer, Progress& progress) {
  if (const auto guess = xml::GuessMintListPieces(buffer)) {
    const DocumentOptions before(doc);
    try {
      return ReadPieceByPiece(doc, buffer, *guess, progress);
    } catch (const WrongGuess&) {
      // The whole tree starts from the document as it was, also when it then refuses the text.
      doc.ClearContent();
      before.Restore(doc);
    }
  }
  return ReadWholeTree(doc, buffer, progress);
}

XmlReadReport ReadCollectionXmlAsOneTree(CollectionDocument& doc, std::string& buffer,
                                         Progress& progress) {
  return ReadWholeTree(doc, buffer, progress);
}

std::vector<std::unique_ptr<TDaten>> ReadClipboardCoins(std::string_view text,
                                                        const CollectionDocument& doc) {
  xml::CheckXmlTreeSize(text);
  pugi::xml_document xml;
  const pugi::xml_parse_result parsed = xml.load_buffer(text.data(), text.size(), kParseOptions);
  pugi::xml_node root = xml.document_element();
  if (!parsed || !root) throw EXMLException(kNotACollectionFile);
  pugi::xml_node mintlist = root.child("mintlist");
  if (!mintlist) throw EXMLNodeDoesNotExist("Node mintlist does not exist");
  std::vector<std::unique_ptr<TDaten>> coins;
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) {
    coins.push_back(ReadCoinElement(mint, doc));
  }
  return coins;
}

}  // namespace korvex
