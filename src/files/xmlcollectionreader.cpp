#include "files/fileerrors.h"
#include "files/xmlcollection.h"
#include "files/xmlmintsplit.h"
#include "files/xmlnodes.h"
#include "model/fieldcatalogue.h"
#include "model/numbertext.h"
#include "model/rounding.h"

namespace korvex {
namespace {

using xml::AttributeText;
using xml::ChildFinder;
using xml::DateValue;
using xml::DecimalNumber;
using xml::ReadText;
using xml::RequireAttribute;
using xml::WholeNumber;
using xml::WholeNumber64;
using xml::YesNoValue;

// Whitespace-only text is kept when it is an element's only content, so that a note or a field
// consisting of blanks survives; whitespace between elements is dropped. Line ends are kept as
// they are: the notes' CR LF then arrive unchanged, and only bare LFs need converting.
constexpr unsigned kParseOptions =
    (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_eol;
constexpr float kCellsVersion = 0.3f;
const char* const kRescueAreaName = "Gerettete Daten, bitte in korrekte Kategorien kopieren";

bool HasBareLineFeed(const std::string& text) {
  for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1)) {
    if (lf == 0 || text[lf - 1] != '\r') return true;
  }
  return false;
}

bool RequiredSwitch(ChildFinder& finder, const char* name) {
  return YesNoValue(RequireAttribute(finder.Require(name), "active").value());
}

// A missing or malformed optional switch leaves the value as it is.
void OptionalSwitch(ChildFinder& finder, const char* name, bool& value) {
  pugi::xml_attribute active = finder.Find(name).attribute("active");
  if (active) value = YesNoValue(active.value());
}

void OptionalText(ChildFinder& finder, const char* name, std::string& value) {
  pugi::xml_node element = finder.Find(name);
  if (element) ReadText(element, value);
}

float FileVersion(pugi::xml_node fileinfo) {
  ChildFinder finder(fileinfo);
  double version = 0;
  const char* text = finder.Require("version").child_value();
  if (!ParseDouble(text, version)) {
    throw EConvertError("'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
  }
  return static_cast<float>(version);
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
    const int type = FieldTypeOfKey(order.child_value());
    const bool descending = std::string_view(order.attribute("direction").value()) == "desc";
    doc.sort_keys[k] = descending ? -type : type;
  }
}

void ReadOptions(pugi::xml_node options, float version, CollectionDocument& doc) {
  ChildFinder finder(options);
  if (pugi::xml_node currency = finder.Find("currency")) ReadText(currency, doc.currency_symbol);
  int view = kAllCoinsView;
  pugi::xml_node category = finder.Find("category");
  if (!category || !ParseInt32(category.child_value(), view)) view = kAllCoinsView;
  doc.current_view = view;
  pugi::xml_node cells = finder.Find("cells");
  if (version < kCellsVersion) {
    doc.ResetAlignmentTable();
    return;
  }
  ReadAlignmentTable(cells, doc);
  ReadOrders(finder.Find("orders"), doc);
}

void ReadCells(pugi::xml_node cells, std::vector<TZelle>& target) {
  target.clear();
  for (pugi::xml_node element = cells.child("cell"); element; element = element.next_sibling("cell")) {
    target.push_back(ReadCellElement(element));
  }
}

// The first three inner `number` elements give the slots' kinds (and the free catalogue's name)
// and then their active switches; the block ends silently at the first missing part.
void ReadNumberSlots(pugi::xml_node outer, TKategorie& area) {
  pugi::xml_node inner[3];
  pugi::xml_node node = outer.child("number");
  for (auto& slot : inner) {
    slot = node;
    if (node) node = node.next_sibling("number");
  }
  [&] {
    for (int slot = 0; slot < 3; ++slot) {
      pugi::xml_attribute kind = inner[slot].attribute("category");
      if (!kind) return;
      area.number_kind[slot] = CatalogueKindOfKey(kind.value());
      if (area.number_kind[slot] == 5) {
        pugi::xml_attribute name = inner[slot].attribute("name");
        if (!name) return;
        area.other_name = AttributeText(name);
      }
    }
    for (int slot = 0; slot < 3; ++slot) {
      pugi::xml_attribute active = inner[slot].attribute("active");
      if (!active) return;
      area.number_active[slot] = YesNoValue(active.value());
    }
  }();
  area.RecomputeKindInUse();
}

void ReadExtraNames(pugi::xml_node extra, TKategorie& area) {
  ChildFinder finder(extra);
  static const char* const kNames[] = {"z1", "z2", "z3", "z4", "z5"};
  for (int n = 0; n < 5; ++n) {
    pugi::xml_node field = finder.Require(kNames[n]);
    ReadText(field, area.z_name[n]);
    area.z_active[n] = YesNoValue(RequireAttribute(field, "active").value());
    area.z_desc[n] = YesNoValue(RequireAttribute(field, "desc").value());
  }
}

void ReadSideText(pugi::xml_node side, std::string& motive, std::string& artist, std::string& picture) {
  ChildFinder finder(side);
  ReadText(finder.Require("motive"), motive);
  ReadText(finder.Require("artist"), artist);
  ReadText(finder.Require("picture"), picture);
}

void ReadCoinExtras(pugi::xml_node extra, TDaten& coin, const CollectionDocument& doc) {
  ChildFinder finder(extra);
  const TKategorie* area = doc.Area(coin.category);
  static const char* const kNames[] = {"z1", "z2", "z3", "z4", "z5"};
  for (int n = 0; n < 5; ++n) {
    pugi::xml_node field = finder.Require(kNames[n]);
    ReadText(field, coin.Z(n + 1));
    if (pugi::xml_attribute desc = field.attribute("desc")) coin.z_desc[n] = AttributeText(desc);
    else coin.z_desc[n] = area ? area->z_name[n] : std::string();
  }
}

// Puts a coin whose area id names no area into the rescue area, created for the first one.
void RescueCoin(TDaten& coin, CollectionDocument& doc, int& rescue_id) {
  if (rescue_id == 0) {
    auto area = std::make_unique<TKategorie>();
    area->name = kRescueAreaName;
    area->SetShort("sos");
    area->menu = true;
    area->icon_button = true;
    doc.areas.push_back(std::move(area));
    rescue_id = doc.AreaCount();
    doc.areas.back()->category = rescue_id;
  }
  coin.category = rescue_id;
}

void ReadAreas(pugi::xml_node categories, float version, CollectionDocument& doc) {
  pugi::xml_node first = categories.child("category");
  if (!first) throw EXMLNodeDoesNotExist("Node category does not exist");
  if (version >= kCellsVersion) {
    ChildFinder finder(first);
    ReadCells(finder.Require("cells"), doc.all_cells);
  } else {
    doc.all_cells = DefaultCells();
    doc.sort_keys.fill(kNoSortKey);
    doc.standard_order = true;
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
    if (read_++ < total_) progress_.ProgressStep();
    // The record joins the document before it is read, so that a failure keeps what was read.
    doc_.Append(std::make_unique<TDaten>());
    TDaten& coin = *doc_.LastCoin();
    ReadCoinElement(mint, coin, doc_);
    const int item = InventoryNumberValue(coin.item);
    if (item > doc_.highest_item) doc_.highest_item = item;
    if (!doc_.Area(coin.category)) {
      RescueCoin(coin, doc_, rescue_id_);
      ++rescued_;
    }
  }

  int rescued() const { return rescued_; }

 private:
  CollectionDocument& doc_;
  Progress& progress_;
  int total_;  // the steps announced to the display
  int read_ = 0;
  int rescue_id_ = 0;
  int rescued_ = 0;
};

// Reads everything but the coins of a parsed document; returns the `mintlist` element.
pugi::xml_node ReadHead(const pugi::xml_document& xml, CollectionDocument& doc) {
  pugi::xml_node root = xml.document_element();
  if (!root || std::string_view(root.name()) != "deduvidarov") {
    throw EXMLException(kNotACollectionFile);
  }

  ChildFinder finder(root);
  pugi::xml_node fileinfo = finder.Require("fileinfo");
  pugi::xml_node options = finder.Require("options");
  pugi::xml_node categories = finder.Require("categories");
  pugi::xml_node mintlist = finder.Require("mintlist");
  const float version = FileVersion(fileinfo);
  ReadOptions(options, version, doc);
  ReadAreas(categories, version, doc);
  return mintlist;
}

XmlReadReport ReadWholeTree(CollectionDocument& doc, std::string& buffer, Progress& progress) {
  pugi::xml_document xml;
  // A text the parser rejects is refused rather than read as an empty collection, so that a later
  // save cannot replace a damaged file with nothing.
  if (!xml.load_buffer_inplace(buffer.data(), buffer.size(), kParseOptions)) {
    throw EXMLException(kNotACollectionFile);
  }
  const pugi::xml_node mintlist = ReadHead(xml, doc);
  int total = 0;
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) ++total;
  CoinCollector coins(doc, progress, total);
  for (pugi::xml_node mint = mintlist.child("mint"); mint; mint = mint.next_sibling("mint")) {
    coins.Read(mint);
  }
  return XmlReadReport{coins.rescued()};
}

// A piece of a guessed coin list that is not well-formed on its own.
struct WrongGuess {};

// Reads the file with its coin list cut into pieces (see xmlmintsplit.h): the rest of the file
// first, then each piece, all parsed from copies so that the buffer stays intact for reading the
// whole tree when the guess proves wrong.
XmlReadReport ReadPieceByPiece(CollectionDocument& doc, const std::string& buffer,
                               const xml::MintListPieces& guess, Progress& progress) {
  std::string rest;
  rest.reserve(guess.content.begin + buffer.size() - guess.content.end);
  rest.append(buffer, 0, guess.content.begin).append(buffer, guess.content.end);
  pugi::xml_document rest_tree;
  if (!rest_tree.load_buffer_inplace(rest.data(), rest.size(), kParseOptions, pugi::encoding_utf8)) {
    throw WrongGuess{};
  }
  ReadHead(rest_tree, doc);

  // Files of this program hold one coin per piece, which makes the count exact for them.
  CoinCollector coins(doc, progress, static_cast<int>(guess.pieces.size()));
  pugi::xml_document piece;
  for (const xml::TextRange& range : guess.pieces) {
    if (!piece.load_buffer(buffer.data() + range.begin, range.end - range.begin,
                           kParseOptions | pugi::parse_fragment, pugi::encoding_utf8)) {
      throw WrongGuess{};
    }
    for (pugi::xml_node node = piece.child("mint"); node; node = node.next_sibling("mint")) {
      coins.Read(node);
    }
  }
  return XmlReadReport{coins.rescued()};
}

}  // namespace

TZelle ReadCellElement(pugi::xml_node cell) {
  TZelle result;
  result.type = FieldTypeOfKey(RequireAttribute(cell, "type").value());
  result.width = WholeNumber(RequireAttribute(cell, "width").value());
  result.align = AlignmentOfText(RequireAttribute(cell, "align").value());
  return result;
}

std::unique_ptr<TKategorie> ReadAreaElement(pugi::xml_node element, float version) {
  auto area = std::make_unique<TKategorie>();
  TKategorie& a = *area;
  a.category = WholeNumber(RequireAttribute(element, "category").value());
  a.name = AttributeText(RequireAttribute(element, "name"));
  a.SetShort(AttributeText(RequireAttribute(element, "short")));
  a.menu = YesNoValue(RequireAttribute(element, "menu").value());
  a.icon_button = YesNoValue(RequireAttribute(element, "icon").value());

  ChildFinder finder(element);
  ReadText(finder.Require("icon"), a.icon);
  a.item = RequiredSwitch(finder, "item");
  a.quality = RequiredSwitch(finder, "quality");
  ReadNumberSlots(finder.Require("number"), a);
  a.count = RequiredSwitch(finder, "count");
  a.mintlocation = RequiredSwitch(finder, "mintlocation");
  a.numeral = RequiredSwitch(finder, "numeral");
  a.currency = RequiredSwitch(finder, "currency");
  a.location = RequiredSwitch(finder, "location");
  a.country = RequiredSwitch(finder, "country");
  a.master = RequiredSwitch(finder, "master");
  a.city = RequiredSwitch(finder, "city");
  OptionalSwitch(finder, "year", a.year);
  OptionalSwitch(finder, "validtil", a.validtil);
  OptionalSwitch(finder, "theme", a.theme);
  OptionalSwitch(finder, "case", a.case_);
  OptionalSwitch(finder, "certificate", a.certificate);
  ChildFinder prices(finder.Require("prices"));
  a.catalogue = RequiredSwitch(prices, "catalogue");
  a.estimate = RequiredSwitch(prices, "estimate");
  ChildFinder purchases(finder.Require("purchases"));
  a.count = RequiredSwitch(purchases, "count");
  a.purchaseprice = RequiredSwitch(purchases, "purchaseprice");
  a.purchasedate = RequiredSwitch(purchases, "purchasedate");
  a.dealer = RequiredSwitch(purchases, "dealer");
  ChildFinder weight(finder.Require("weight"));
  a.weight = RequiredSwitch(weight, "mint");
  a.fine = RequiredSwitch(weight, "fine");
  a.standard = RequiredSwitch(weight, "standard");
  ChildFinder diameter(finder.Require("diameter"));
  a.diameter_minimum = RequiredSwitch(diameter, "minimum");
  a.diameter_maximum = RequiredSwitch(diameter, "maximum");
  a.circulation = RequiredSwitch(finder, "circulation");
  ChildFinder avers(finder.Require("avers"));
  a.av_motive = RequiredSwitch(avers, "motive");
  a.av_artist = RequiredSwitch(avers, "artist");
  a.av_picture = RequiredSwitch(avers, "picture");
  ChildFinder revers(finder.Require("revers"));
  a.rv_motive = RequiredSwitch(revers, "motive");
  a.rv_artist = RequiredSwitch(revers, "artist");
  a.rv_picture = RequiredSwitch(revers, "picture");
  OptionalSwitch(finder, "width", a.width);
  OptionalSwitch(finder, "date", a.date);
  a.alloy = RequiredSwitch(finder, "alloy");
  a.border = RequiredSwitch(finder, "border");
  ReadExtraNames(finder.Require("extra"), a);
  pugi::xml_node cells = finder.Require("cells");
  if (version >= kCellsVersion) ReadCells(cells, a.cells);
  return area;
}

void ReadCoinElement(pugi::xml_node element, TDaten& c, const CollectionDocument& doc) {
  c.item = AttributeText(RequireAttribute(element, "item"));
  c.category = WholeNumber(RequireAttribute(element, "category").value());

  ChildFinder finder(element);
  ReadText(finder.Require("quality"), c.quality);
  ChildFinder number(finder.Require("number"));
  ReadText(number.Require("schoen"), c.schoen);
  ReadText(number.Require("jaeger"), c.jaeger);
  ReadText(number.Require("cohen"), c.cohen);
  ReadText(number.Require("ric"), c.ric);
  ReadText(number.Require("yeoman"), c.yeoman);
  OptionalText(number, "other1", c.other1);
  c.count = WholeNumber(finder.Require("count").child_value());
  ReadText(finder.Require("mintlocation"), c.mintlocation);
  ReadText(finder.Require("numeral"), c.numeral);
  ReadText(finder.Require("currency"), c.currency);
  ReadText(finder.Require("location"), c.location);
  ReadText(finder.Require("country"), c.country);
  ReadText(finder.Require("master"), c.master);
  ReadText(finder.Require("city"), c.city);
  ReadText(finder.Require("year"), c.year);
  OptionalText(finder, "validtil", c.validtil);
  bool flag = c.case_ != 0;
  OptionalSwitch(finder, "case", flag);
  c.case_ = flag ? 1 : 0;
  flag = c.certificate != 0;
  OptionalSwitch(finder, "certificate", flag);
  c.certificate = flag ? 1 : 0;
  OptionalText(finder, "theme", c.theme);
  ChildFinder prices(finder.Require("prices"));
  c.catalogue = DecimalNumber(prices.Require("catalogue").child_value());
  c.estimate = DecimalNumber(prices.Require("estimate").child_value());
  ChildFinder purchases(finder.Require("purchases"));
  c.count = WholeNumber(purchases.Require("count").child_value());
  c.purchaseprice = DecimalNumber(purchases.Require("purchaseprice").child_value());
  c.purchasedate = DateValue(purchases.Require("purchasedate"));
  ReadText(purchases.Require("dealer"), c.dealer);
  ChildFinder weight(finder.Require("weight"));
  c.weight = static_cast<float>(DecimalNumber(weight.Require("mint").child_value()));
  c.fine = static_cast<float>(DecimalNumber(weight.Require("fine").child_value()));
  ReadText(weight.Require("standard"), c.standard);
  ChildFinder diameter(finder.Require("diameter"));
  c.diameter_minimum = static_cast<float>(DecimalNumber(diameter.Require("minimum").child_value()));
  c.diameter_maximum = static_cast<float>(DecimalNumber(diameter.Require("maximum").child_value()));
  c.circulation = WholeNumber64(finder.Require("circulation").child_value());
  ReadSideText(finder.Require("avers"), c.av_motive, c.av_artist, c.av_picture);
  ReadSideText(finder.Require("revers"), c.rv_motive, c.rv_artist, c.rv_picture);
  c.width = static_cast<float>(DecimalNumber(finder.Require("width").child_value()));
  ReadText(finder.Require("date"), c.date);
  ReadText(finder.Require("alloy"), c.alloy);
  ReadText(finder.Require("border"), c.border);
  ReadCoinExtras(finder.Require("extra"), c, doc);
  ChildFinder changes(finder.Require("changes"));
  c.creation = DateValue(changes.Require("creation"));
  c.change_count = WholeNumber(changes.Require("count").child_value());
  c.last = DateValue(changes.Require("last"));
  auto note = std::make_unique<TText>();
  ReadText(finder.Require("description"), note->text);
  if (HasBareLineFeed(note->text)) note->NormaliseLineEnds();
  c.description = std::move(note);
}

std::unique_ptr<TDaten> ReadCoinElement(pugi::xml_node mint, const CollectionDocument& doc) {
  auto coin = std::make_unique<TDaten>();
  ReadCoinElement(mint, *coin, doc);
  return coin;
}

XmlReadReport ReadCollectionXml(CollectionDocument& doc, std::string& buffer, Progress& progress) {
  if (const auto guess = xml::GuessMintListPieces(buffer)) {
    const int32_t highest_item = doc.highest_item;
    try {
      return ReadPieceByPiece(doc, buffer, *guess, progress);
    } catch (const WrongGuess&) {
      doc.ClearContent();
      doc.highest_item = highest_item;
    }
  }
  return ReadWholeTree(doc, buffer, progress);
}

std::vector<std::unique_ptr<TDaten>> ReadClipboardCoins(std::string_view text,
                                                        const CollectionDocument& doc) {
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
