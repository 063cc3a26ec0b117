#include "files/textimport.h"

#include <climits>
#include <memory>
#include <string_view>
#include <vector>

#include "files/fileerrors.h"
#include "files/readlimits.h"
#include "files/textexportcolumns.h"
#include "files/textimportareas.h"
#include "files/textimportcells.h"
#include "files/textimportelements.h"
#include "files/textimportlines.h"
#include "model/textcompare.h"

namespace korvex {
namespace {

constexpr const char* kConfirmQuestion =
    "HINWEIS: Die Daten werden in die aktuelle Datei eingefügt. Soll fortgefahren werden?";
constexpr const char* kReadFailed =
    "Beim Einlesen der Quelldatei ist ein Fehler aufgetreten! (Err 1)";
constexpr const char* kCannotOpen =
    "Beim Einlesen der Quelldatei ist ein Fehler aufgetreten! (Err 2)";
constexpr const char* kDatesFailed =
    "Es konnten nicht alle Kaufdaten und Wartungsdaten übernommen werden. Die nicht übernommenen "
    "Datumsangaben haben ein Fragezeichen erhalten";

// The element of a header name that equals an element name; -1 for none.
int ElementOfName(std::string_view name) {
  const std::vector<std::string>& names = TextImportElementNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualAsciiUpper(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

// Whether a cell of the "Etui" or "Zertifikat" column says yes: the export writes the column's
// own word, other programs often write 1, "ja" or "x".
bool IsYesCell(std::string_view cell, ExchangeColumn column) {
  return EqualAsciiUpper(cell, ExchangeColumnName(column)) || cell == "1" ||
         EqualAsciiUpper(cell, "ja") || EqualAsciiUpper(cell, "x");
}

// The cells of one line going into one new coin.
class CoinFromCells {
 public:
  CoinFromCells(TDaten& coin, const FormatSettings& settings) : coin_(coin), settings_(settings) {}

  void Apply(ExchangeColumn element, std::string_view cell);
  const std::string& area_name() const { return area_name_; }
  bool dates_failed() const { return dates_failed_; }

 private:
  void Number(std::string_view cell, double& member);
  void Number(std::string_view cell, float& member);
  void Date(std::string_view cell, double& member);
  void AppendText(std::string_view cell);

  TDaten& coin_;
  const FormatSettings& settings_;
  std::string area_name_;
  bool dates_failed_ = false;
};

void CoinFromCells::Number(std::string_view cell, double& member) {
  ReadImportNumber(cell, member);
}

void CoinFromCells::Number(std::string_view cell, float& member) {
  double value = 0;
  if (ReadImportNumber(cell, value)) member = static_cast<float>(value);
}

void CoinFromCells::Date(std::string_view cell, double& member) {
  member = ReadImportDate(cell, settings_, dates_failed_);
}

// Several text columns make a note of several lines; empty cells add no empty lines.
void CoinFromCells::AppendText(std::string_view cell) {
  if (cell.empty()) return;
  std::string& note = coin_.description->text;
  if (!note.empty()) note += "\r\n";
  note += cell;
}

void CoinFromCells::Apply(ExchangeColumn element, std::string_view cell) {
  using C = ExchangeColumn;
  long long whole = 0;
  switch (element) {
    case C::kAreaName:
    case C::kAreaNumber: area_name_ = cell; return;
    case C::kCount:
      if (ReadImportInteger(cell, whole) && whole >= INT_MIN && whole <= INT_MAX) {
        coin_.count = static_cast<int32_t>(whole);
      }
      return;
    case C::kCirculation:
      if (ReadImportInteger(cell, whole)) coin_.circulation = whole;
      return;
    case C::kCatalogue: Number(cell, coin_.catalogue); return;
    case C::kCatalogueSum: return;  // follows from the catalogue value and the count
    case C::kEstimate: Number(cell, coin_.estimate); return;
    case C::kPurchaseprice: Number(cell, coin_.purchaseprice); return;
    case C::kWeight: Number(cell, coin_.weight); return;
    case C::kFine: Number(cell, coin_.fine); return;
    case C::kDiameterMinimum: Number(cell, coin_.diameter_minimum); return;
    case C::kDiameterMaximum: Number(cell, coin_.diameter_maximum); return;
    case C::kPurchasedate: Date(cell, coin_.purchasedate); return;
    case C::kCreation: Date(cell, coin_.creation); return;
    case C::kLast: Date(cell, coin_.last); return;
    case C::kCase: coin_.case_ = IsYesCell(cell, element); return;
    case C::kCertificate: coin_.certificate = IsYesCell(cell, element); return;
    case C::kText: AppendText(cell); return;
    case C::kItem: coin_.item = cell; return;
    case C::kQuality: coin_.quality = cell; return;
    case C::kSchoen: coin_.schoen = cell; return;
    case C::kJaeger: coin_.jaeger = cell; return;
    case C::kYeoman: coin_.yeoman = cell; return;
    case C::kCohen: coin_.cohen = cell; return;
    case C::kRic: coin_.ric = cell; return;
    case C::kMintlocation: coin_.mintlocation = cell; return;
    case C::kNumeral: coin_.numeral = cell; return;
    case C::kCurrency: coin_.currency = cell; return;
    case C::kLocation: coin_.location = cell; return;
    case C::kCountry: coin_.country = cell; return;
    case C::kCity: coin_.city = cell; return;
    case C::kMaster: coin_.master = cell; return;
    case C::kTheme: coin_.theme = cell; return;
    case C::kAvMotive: coin_.av_motive = cell; return;
    case C::kRvMotive: coin_.rv_motive = cell; return;
    case C::kYear: coin_.year = cell; return;
    case C::kDate: coin_.date = cell; return;
    case C::kValidtil: coin_.validtil = cell; return;
    case C::kStandard: coin_.standard = cell; return;
    case C::kAlloy: coin_.alloy = cell; return;
    case C::kDealer: coin_.dealer = cell; return;
    case C::kBorder: coin_.border = cell; return;
    case C::kZ1: coin_.z1 = cell; return;
    case C::kZ2: coin_.z2 = cell; return;
    case C::kZ3: coin_.z3 = cell; return;
    case C::kZ4: coin_.z4 = cell; return;
    case C::kZ5: coin_.z5 = cell; return;
  }
}

// One run of the import over one file.
class TextImporter {
 public:
  TextImporter(CollectionDocument& document, const FormatSettings& settings,
               const TextImportServices& services)
      : document_(document), settings_(settings), services_(services),
        areas_(document, services.areas) {}

  TextImportResult Run(const std::string& path);

 private:
  void MapColumns(const std::vector<std::string_view>& names);
  void AddCoin(std::string_view line);

  CollectionDocument& document_;
  const FormatSettings& settings_;
  const TextImportServices& services_;
  TextImportAreaMapping areas_;
  char separator_ = ',';
  std::vector<ExchangeColumn> column_elements_;
  std::vector<std::string_view> cells_;
  TextImportResult result_;
};

TextImportResult TextImporter::Run(const std::string& path) {
  TextImportFile file;
  ReadTextImportFile(path, file);
  if (file.status == TextImportReadStatus::kCannotOpen) services_.messages.Error(kCannotOpen);
  if (file.status == TextImportReadStatus::kReadFailed) services_.messages.Error(kReadFailed);
  // Each line but the header becomes a coin; a file of more lines than a collection may hold coins
  // is refused as a whole.
  const auto room = read_limits::kMaxCoins - document_.coin_count;
  if (file.status == TextImportReadStatus::kTooLarge ||
      static_cast<int64_t>(file.lines.size()) - 1 > room) {
    services_.messages.Error(kNotACollectionFile);
    return result_;
  }
  if (file.lines.empty()) return result_;

  separator_ = ChooseTextImportSeparator(file.lines.front());
  std::vector<std::string_view> names;
  SplitTextImportLine(CutTrailingSeparator(file.lines.front(), separator_), separator_, 0, names);
  MapColumns(names);

  // Appending from the last line back makes the new coins stand in the reverse order of the file.
  document_.RebuildDisplayOrder();
  for (std::size_t line = file.lines.size() - 1; line >= 1; --line) AddCoin(file.lines[line]);

  if (result_.dates_failed) services_.messages.Error(kDatesFailed);
  for (TDaten* coin = document_.first_coin; coin; coin = coin->next) {
    if (coin->category == 0) coin->category = areas_.AreaFor({}, coin->av_motive);
  }
  return result_;
}

void TextImporter::MapColumns(const std::vector<std::string_view>& names) {
  column_elements_.assign(names.size(), ExchangeColumn::kText);
  int last_choice = -1;
  const std::vector<ExchangeColumn>& elements = TextImportElements();
  for (std::size_t c = names.size(); c-- > 0;) {
    int element = ElementOfName(names[c]);
    if (element < 0) {
      const std::string name(names[c]);
      element = services_.columns.ChooseElement({name, TextImportElementNames(), last_choice});
      // The dialog cannot close without a choice; anything else is taken as "Text", the
      // element it suggests for entries that fit nowhere.
      if (element < 0 || element >= static_cast<int>(elements.size())) {
        element = static_cast<int>(elements.size()) - 1;
      }
      last_choice = element;
    }
    column_elements_[c] = elements[element];
  }
}

void TextImporter::AddCoin(std::string_view line) {
  SplitTextImportLine(CutTrailingSeparator(line, separator_), separator_, column_elements_.size(),
                      cells_);
  auto owned = std::make_unique<TDaten>();
  TDaten& coin = *owned;
  coin.description = std::make_unique<TText>();
  CoinFromCells reader(coin, settings_);
  for (std::size_t c = cells_.size(); c-- > 0;) {
    reader.Apply(column_elements_[c], TrimImportCell(cells_[c]));
  }
  if (reader.dates_failed()) result_.dates_failed = true;
  coin.category = areas_.AreaFor(reader.area_name(), coin.av_motive);
  document_.Append(std::move(owned));
  ++result_.new_coins;
}

}  // namespace

bool ConfirmTextImport(MessageService& messages) { return messages.AskYesNo(kConfirmQuestion); }

TextImportResult ImportTextFile(const std::string& path, CollectionDocument& document,
                                const FormatSettings& settings,
                                const TextImportServices& services) {
  return TextImporter(document, settings, services).Run(path);
}

void FinishTextImport(CollectionDocument& document,
                      const std::function<void(CollectionDocument&)>& sort_collection) {
  if (sort_collection) sort_collection(document);
  document.RecomputeHighestItem();
  document.current_view = kAllCoinsView;
  document.SetModified(true);
}

}  // namespace korvex
