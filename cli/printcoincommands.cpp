// print sheet and print card: the coin sheet and the index card of one coin as PDF files.
#include <QString>
#include <filesystem>

#include "cli/collectionloading.h"
#include "cli/commandsupport.h"
#include "cli/formatoptions.h"
#include "cli/printcommands.h"
#include "cli/terminal.h"
#include "dialogs/lookuplists.h"
#include "model/codepage.h"
#include "model/datetime.h"
#include "reports/coinsheetprintout.h"
#include "reports/indexcardprintout.h"
#include "reports/pdfoutput.h"

namespace korvex::cli {
namespace {

// The coin with the inventory number of --item.
const TDaten& CoinOfItem(const CollectionDocument& document, const Arguments& arguments) {
  const std::optional<std::string> item = arguments.Value("--item");
  if (!item) throw UsageError("Welche Münze? Die Option --item NUMMER fehlt.");
  const std::string wanted = Utf8ToWin1252(*item);
  for (const TDaten* coin = document.first_coin; coin; coin = coin->next) {
    if (coin->item == wanted) return *coin;
  }
  throw CommandError("Die Sammlung hat keine Münze mit der Inventarnummer „" + *item + "“.");
}

// The quality names come from the lookup file of the data folder, as in the window.
std::vector<std::string> QualityList() {
  const std::filesystem::path file = LookupFilePath();
  if (!std::filesystem::exists(file)) return {};
  return LoadLookupLists(file)[LookupList::kQualitaet];
}

// One coin of a collection, ready to print.
struct CoinPrintout {
  LoadedCollection collection;
  DetailViewContent content;
  FormatSettings format;
  std::string output;
  int font_size = kDefaultPrintFontSize;
  bool pictures = false;
};

// Nothing when --help was asked for.
std::optional<CoinPrintout> LoadCoin(const Command& command, const std::vector<std::string>& words,
                                     bool takes_pictures) {
  OptionSet options{{"--password", "--item", "--date-format", "--locale", "--font-size"}, {}};
  if (takes_pictures) options.flags.insert("--pictures");
  const std::optional<Arguments> arguments = ParseCommand(command, words, options, 2);
  if (!arguments) return std::nullopt;
  CoinPrintout printout;
  printout.format = FormatSettingsOf(*arguments);
  printout.font_size = PrintFontSizeOf(*arguments);
  printout.pictures = takes_pictures && arguments->Flag("--pictures");
  const std::string& input = arguments->positional()[0];
  printout.output = arguments->positional()[1];
  CheckPdfOutput(printout.output, input);
  TerminalMessages messages;
  printout.collection = LoadCollection(input, arguments->Value("--password"), messages);
  const CollectionDocument& document = *printout.collection.document;
  const TDaten& coin = CoinOfItem(document, *arguments);
  static const TKategorie kNoArea;
  const TKategorie* area = document.Area(coin.category);
  const DetailViewFormat format{printout.format, document.currency_symbol, false, QualityList()};
  printout.content = MakeDetailViewContent(coin, area ? *area : kNoArea, format);
  return printout;
}

int RunPrintSheet(const std::vector<std::string>& words) {
  std::optional<CoinPrintout> loaded = LoadCoin(kPrintSheetCommand, words, true);
  if (!loaded) return 0;
  const OffscreenGui gui;
  const CoinSheet sheet{.content = std::move(loaded->content),
                        .picture_folder = loaded->collection.document->picture_folder(),
                        .date_text = FormatDate(Today(), loaded->format.short_date_format),
                        .with_pictures = loaded->pictures,
                        .font_size = loaded->font_size};
  auto pdf = NewPdfOutput(QString::fromStdString(loaded->output), CoinSheetJobTitle(sheet.content));
  FinishPdf(PrintCoinSheet(*pdf, sheet), loaded->output);
  return 0;
}

int RunPrintCard(const std::vector<std::string>& words) {
  std::optional<CoinPrintout> loaded = LoadCoin(kPrintCardCommand, words, false);
  if (!loaded) return 0;
  const OffscreenGui gui;
  const IndexCard card{.content = std::move(loaded->content),
                       .picture_folder = loaded->collection.document->picture_folder(),
                       .font_size = loaded->font_size};
  auto pdf = NewPdfOutput(QString::fromStdString(loaded->output), IndexCardJobTitle(card.content),
                          QPageSize::A6, true);
  FinishPdf(PrintIndexCard(*pdf, card), loaded->output);
  return 0;
}

}  // namespace

const Command kPrintSheetCommand{
    "sheet", "das Münzblatt einer Münze",
    "Aufruf: korvex-cli print sheet DATEI AUSGABE.pdf --item NUMMER [--pictures]\n"
    "                       [--font-size F] [--date-format F] [--locale de|en] [--password P]\n"
    "\n"
    "Druckt das Münzblatt der Detailansicht als PDF-Datei (A4 hoch): alle Felder, die das\n"
    "Sammelgebiet der Münze nutzt, und ihren Text, auf so vielen Seiten wie nötig.\n"
    "\n"
    "  --item NUMMER     Inventarnummer der Münze\n"
    "  --pictures        mit den beiden Bildern der Münze (\"mit Bild\")\n"
    "  --font-size F     Druckschriftgröße 2 bis 72 (ohne Angabe: 9)\n"
    "  --locale de|en    Zahlen und Datum deutsch oder englisch; ohne Angabe das des Systems\n"
    "  --date-format F   Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P      Passwort einer geschützten Datei\n",
    RunPrintSheet};

const Command kPrintCardCommand{
    "card", "die Karteikarte einer Münze",
    "Aufruf: korvex-cli print card DATEI AUSGABE.pdf --item NUMMER\n"
    "                       [--font-size F] [--date-format F] [--locale de|en] [--password P]\n"
    "\n"
    "Druckt die Karteikarte einer Münze als PDF-Datei (DIN A6 quer).\n"
    "\n"
    "  --item NUMMER     Inventarnummer der Münze\n"
    "  --font-size F     Druckschriftgröße 2 bis 72 (ohne Angabe: 9)\n"
    "  --locale de|en    Zahlen und Datum deutsch oder englisch; ohne Angabe das des Systems\n"
    "  --date-format F   Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P      Passwort einer geschützten Datei\n",
    RunPrintCard};

}  // namespace korvex::cli
