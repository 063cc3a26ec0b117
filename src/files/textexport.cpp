#include "files/textexport.h"

#include <cstdio>
#include <memory>

#include "files/textexportcolumns.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "model/numberformat.h"
#include "model/paths.h"
#include "platform/datafolders.h"

namespace korvex {
namespace {

constexpr const char* kPasswordQuestion =
    "Wenn Sie die Daten in eine Textdatei speichern, so sind Ihre Daten unverschlüsselt zu lesen. "
    "Wollen Sie fortsetzen?";
constexpr std::size_t kFlushSize = 1 << 20;

char ReplacementFor(char separator) {
  switch (separator) {
    case '\t': return ' ';
    case ';': return ',';
    case ',': return '.';
    default: return ' ';
  }
}

void AppendValue(std::string& out, std::string_view value, char separator) {
  const char replacement = ReplacementFor(separator);
  for (char c : value) {
    if (c == separator) out += replacement;
    else if (c == '\r' || c == '\n') out += ' ';
    else out += c;
  }
}

std::string DateTimeText(double value, const FormatSettings& settings) {
  return FormatDateOrZeros(value, settings.short_date_format) + " " +
         FormatTime(value, settings.time_separator);
}

// Text members are handed out as they are; formatted values are built in `scratch`.
std::string_view ColumnValue(ExchangeColumn column, const CollectionDocument& document,
                             const TDaten& coin, const FormatSettings& settings,
                             std::string& scratch) {
  using C = ExchangeColumn;
  const auto two = [&](double value) {
    return std::string_view(scratch = FormatN(value, 2, settings));
  };
  const auto three = [&](double value) {
    return std::string_view(scratch = FormatN(value, 3, settings));
  };
  const auto whole = [&](long long value) { return std::string_view(scratch = FormatD(value)); };
  const auto day = [&](double value) {
    return std::string_view(scratch = FormatDateOrZeros(value, settings.short_date_format));
  };
  const auto moment = [&](double value) {
    return std::string_view(scratch = DateTimeText(value, settings));
  };
  switch (column) {
    case C::kItem: return coin.item;
    case C::kAreaName: {
      const TKategorie* area = document.Area(coin.category);
      return area ? std::string_view(area->name) : std::string_view();
    }
    case C::kAreaNumber: return whole(coin.category);
    case C::kQuality: return coin.quality;
    case C::kSchoen: return coin.schoen;
    case C::kJaeger: return coin.jaeger;
    case C::kYeoman: return coin.yeoman;
    case C::kCohen: return coin.cohen;
    case C::kRic: return coin.ric;
    case C::kCount: return whole(coin.count);
    case C::kMintlocation: return coin.mintlocation;
    case C::kNumeral: return coin.numeral;
    case C::kCurrency: return coin.currency;
    case C::kLocation: return coin.location;
    case C::kCountry: return coin.country;
    case C::kCity: return coin.city;
    case C::kMaster: return coin.master;
    case C::kTheme: return coin.theme;
    case C::kAvMotive: return coin.av_motive;
    case C::kRvMotive: return coin.rv_motive;
    case C::kYear: return coin.year;
    case C::kDate: return coin.date;
    case C::kValidtil: return coin.validtil;
    case C::kCatalogue: return two(coin.catalogue);
    // Rounded from the exact product, as the grid's cell is, so that both show the same amount.
    case C::kCatalogueSum:
      return std::string_view(scratch = FormatNExtended(coin.CatalogueSum(), 2, settings));
    case C::kEstimate: return two(coin.estimate);
    case C::kPurchaseprice: return two(coin.purchaseprice);
    case C::kPurchasedate: return day(coin.purchasedate);
    case C::kWeight: return three(coin.weight);
    case C::kStandard: return coin.standard;
    case C::kFine: return three(coin.fine);
    case C::kDiameterMinimum: return two(coin.diameter_minimum);
    case C::kDiameterMaximum: return two(coin.diameter_maximum);
    case C::kCirculation: return whole(coin.circulation);
    case C::kAlloy: return coin.alloy;
    case C::kDealer: return coin.dealer;
    case C::kBorder: return coin.border;
    case C::kCreation: return moment(coin.creation);
    case C::kLast: return moment(coin.last);
    case C::kCase: return scratch = coin.CaseText();
    case C::kCertificate: return scratch = coin.CertificateText();
    case C::kZ1: return coin.z1;
    case C::kZ2: return coin.z2;
    case C::kZ3: return coin.z3;
    case C::kZ4: return coin.z4;
    case C::kZ5: return coin.z5;
    case C::kText:
      return coin.description ? std::string_view(coin.description->text) : std::string_view();
  }
  return {};
}

bool InScope(const TDaten& coin, const TextExportRequest& request) {
  switch (request.scope) {
    case TextExportScope::kAllCoins: return true;
    case TextExportScope::kShownArea: return coin.category == request.shown_area;
    case TextExportScope::kMarkedCoin: return &coin == request.marked_coin;
  }
  return false;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Writes and empties the buffer; false when the file refused the bytes.
bool Flush(std::FILE* file, std::string& buffer) {
  const bool written = std::fwrite(buffer.data(), 1, buffer.size(), file) == buffer.size();
  buffer.clear();
  return written;
}

void ReportWriteFailure(const std::string& path, MessageService& messages) {
  messages.Error("Die Datei \"" + Win1252ToUtf8(path) +
                 "\" konnte nicht angelegt oder nicht vollständig geschrieben werden.");
}

}  // namespace

const std::vector<std::string>& TextExportFileTypes() {
  static const std::vector<std::string> types = {
      "Textdatei Tabulatorsepariert (*.txt)", "Textdatei Kommasepariert (*.txt)",
      "Textdatei Semikolonsepariert (*.txt)", "CSV-Datei (*.csv)"};
  return types;
}

char TextExportSeparatorOfFileType(int index) {
  switch (index) {
    case 0: return '\t';
    case 1: return ',';
    default: return ';';
  }
}

std::filesystem::path TextExportStartFolder() { return ProgramFolder() / "shared"; }

std::string TextExportHeaderLine(char separator) {
  std::string line;
  for (int i = 0; i < kExchangeColumnCount; ++i) {
    if (i > 0) line += separator;
    AppendValue(line, ExchangeColumnName(static_cast<ExchangeColumn>(i)), separator);
  }
  return line;
}

void AppendTextExportLine(const CollectionDocument& document, const TDaten& coin, char separator,
                          const FormatSettings& settings, std::string& out) {
  std::string scratch;
  for (int i = 0; i < kExchangeColumnCount; ++i) {
    if (i > 0) out += separator;
    const auto column = static_cast<ExchangeColumn>(i);
    AppendValue(out, ColumnValue(column, document, coin, settings, scratch), separator);
  }
}

TextExportOutcome ExportTextFile(const std::string& path, const CollectionDocument& document,
                                 const TextExportRequest& request, const FormatSettings& settings,
                                 MessageService& messages) {
  const bool has_password = !document.password().empty();
  if (has_password && !messages.AskYesNo(kPasswordQuestion, MessageKind::kWarning)) {
    return TextExportOutcome::kDeclined;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(NativePath(path).c_str(), "wb"));
  if (!file) {
    ReportWriteFailure(path, messages);
    return TextExportOutcome::kWriteFailed;
  }
  std::string buffer = TextExportHeaderLine(request.separator) + "\r\n";
  buffer.reserve(kFlushSize + 4096);
  bool written = true;
  for (const TDaten* coin = document.first_coin; coin && written; coin = coin->next) {
    if (!InScope(*coin, request)) continue;
    AppendTextExportLine(document, *coin, request.separator, settings, buffer);
    buffer += "\r\n";
    if (buffer.size() >= kFlushSize) written = Flush(file.get(), buffer);
  }
  if (written) written = Flush(file.get(), buffer);
  if (std::fclose(file.release()) != 0) written = false;
  if (!written) {
    ReportWriteFailure(path, messages);
    return TextExportOutcome::kWriteFailed;
  }
  return TextExportOutcome::kWritten;
}

}  // namespace korvex
