// print list and print statistics: the list of a view and the statistics as PDF files.
#include <QString>

#include "cli/collectionloading.h"
#include "cli/commandsupport.h"
#include "cli/formatoptions.h"
#include "cli/printcommands.h"
#include "cli/terminal.h"
#include "cli/viewoptions.h"
#include "dialogs/programsettings.h"
#include "mainwindow/gridlistrows.h"
#include "mainwindow/gridview.h"
#include "mainwindow/sorting.h"
#include "reports/listprintout.h"
#include "reports/pdfoutput.h"
#include "reports/statisticsprintout.h"

namespace korvex::cli {
namespace {

int RunPrintList(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kPrintListCommand, words,
      {{"--password", "--area", "--filter", "--date-format", "--locale", "--font-size"}, {"--landscape"}},
      2);
  if (!arguments) return 0;
  const FormatSettings settings = FormatSettingsOf(*arguments);
  const int font_size = PrintFontSizeOf(*arguments);
  CoinFilter filter;
  ApplyFilter(*arguments, filter);
  const std::optional<int> requested_view = RequestedView(*arguments);
  const std::string& input = arguments->positional()[0];
  const std::string& output = arguments->positional()[1];
  CheckPdfOutput(output, input);

  TerminalMessages messages;
  LoadedCollection loaded = LoadCollection(input, arguments->Value("--password"), messages);
  CollectionDocument& document = *loaded.document;
  document.current_view = ViewOf(requested_view, document);
  // The window shows a collection sorted by its stored keys.
  SortCollection(document, settings);
  GridView view(document);
  view.Rebuild(filter);

  const OffscreenGui gui;
  const GridListRows rows(view, settings);
  const ListPrintout list = MakeListPrintout(document, rows, settings, font_size);
  auto pdf = NewPdfOutput(QString::fromStdString(output), QStringLiteral("Korvex"), QPageSize::A4,
                          arguments->Flag("--landscape"));
  FinishPdf(PrintList(*pdf, list, {}), output);
  return 0;
}

int RunPrintStatistics(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kPrintStatisticsCommand, words, {{"--password", "--date-format", "--locale", "--font-size"}, {}}, 2);
  if (!arguments) return 0;
  const FormatSettings settings = FormatSettingsOf(*arguments);
  const int font_size = PrintFontSizeOf(*arguments);
  const std::string& input = arguments->positional()[0];
  const std::string& output = arguments->positional()[1];
  CheckPdfOutput(output, input);

  TerminalMessages messages;
  const LoadedCollection loaded = LoadCollection(input, arguments->Value("--password"), messages);
  const OffscreenGui gui;
  const StatisticsPrintout printout = MakeStatisticsPrintout(*loaded.document, settings, font_size);
  auto pdf = NewPdfOutput(QString::fromStdString(output), QString::fromLatin1(kStatisticsJobTitle));
  FinishPdf(PrintStatistics(*pdf, printout), output);
  return 0;
}

}  // namespace

const Command kPrintListCommand{
    "list", "die Liste einer Ansicht",
    "Aufruf: korvex-cli print list DATEI AUSGABE.pdf [--area ID|all]\n"
    "                       [--filter missing|stock|duplicates] [--landscape] [--font-size F]\n"
    "                       [--date-format F] [--locale de|en] [--password P]\n"
    "\n"
    "Druckt die Liste einer Ansicht als PDF-Datei (A4): die Spalten der Ansicht in ihrer\n"
    "Reihenfolge und Breite, die Münzen nach den gespeicherten Sortierschlüsseln, Zwischensummen\n"
    "an jedem Seitenwechsel und die Summenzeile.\n"
    "\n"
    "  --area ID|all     Sammelgebiet mit dieser Nummer oder alle Münzen\n"
    "                    (ohne Angabe: die in der Datei gespeicherte Ansicht)\n"
    "  --filter F        missing (nur Fehlbestand), stock (nur Bestand),\n"
    "                    duplicates (nur Doubletten)\n"
    "  --landscape       Querformat (ohne Angabe: Hochformat)\n"
    "  --font-size F     Druckschriftgröße 2 bis 72 (ohne Angabe: 9)\n"
    "  --locale de|en    Zahlen und Datum deutsch oder englisch; ohne Angabe das des Systems\n"
    "  --date-format F   Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P      Passwort einer geschützten Datei\n",
    RunPrintList};

const Command kPrintStatisticsCommand{
    "statistics", "die Gesamtstatistik je Sammelgebiet",
    "Aufruf: korvex-cli print statistics DATEI AUSGABE.pdf [--font-size F] [--date-format F]\n"
    "                       [--locale de|en] [--password P]\n"
    "\n"
    "Druckt die Gesamtstatistik als PDF-Datei (A4 hoch): Stück, Katalogwert, Kaufpreis,\n"
    "Schätzwert und Wertsteigerung je Sammelgebiet und die Summe der ganzen Sammlung.\n"
    "\n"
    "  --font-size F     Druckschriftgröße 2 bis 72 (ohne Angabe: 9)\n"
    "  --locale de|en    Zahlenformat deutsch oder englisch; ohne Angabe das des Systems\n"
    "  --date-format F   Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P      Passwort einer geschützten Datei\n",
    RunPrintStatistics};

}  // namespace korvex::cli
