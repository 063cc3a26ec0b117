// list and stats: the grid of a view and the statistics table as tab-separated text.
#include <iostream>
#include <sstream>

#include "cli/collectionloading.h"
#include "cli/commands.h"
#include "cli/commandsupport.h"
#include "cli/formatoptions.h"
#include "cli/terminal.h"
#include "cli/viewoptions.h"
#include "mainwindow/coinfilter.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gridview.h"
#include "mainwindow/sorting.h"
#include "model/fieldcatalogue.h"
#include "reports/statistics.h"

namespace korvex::cli {
namespace {

// "K1,K2,...": up to five signed field types; the keys not given are no keys. 65535 and 0 are no
// keys as in the file: a first key of 65535 gives the standard order, a first key of 0 leaves the
// order as it is, later ones are skipped.
std::array<int32_t, 5> SortKeysOf(const std::string& text) {
  std::array<int32_t, 5> keys;
  keys.fill(kNoSortKey);
  std::istringstream list(text);
  std::string word;
  std::size_t count = 0;
  while (std::getline(list, word, ',')) {
    if (count == keys.size()) throw UsageError("Option --sort nimmt höchstens fünf Schlüssel.");
    const int key = ParseWholeNumber(word, "--sort");
    const bool no_key = key == kNoSortKey || key == 0;
    if (!no_key && (key < -kFieldCount || key > kFieldCount)) {
      throw UsageError("Sortierschlüssel " + word + " ist kein Feldtyp (1 bis 46, negativ für "
                       "absteigend; 65535 oder 0 für keinen Schlüssel).");
    }
    keys[count++] = key;
  }
  if (count == 0) throw UsageError("Option --sort braucht file oder eine Liste von Feldtypen.");
  return keys;
}

// The keys of `--sort`, read before the file; the file's own keys leave them open.
std::optional<std::array<int32_t, 5>> RequestedSortKeys(const std::string& sort) {
  if (sort == "file") return std::nullopt;
  return SortKeysOf(sort);
}

int RunList(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kListCommand, words,
      {{"--password", "--area", "--filter", "--sort", "--date-format", "--locale"}, {}}, 1);
  if (!arguments) return 0;
  const FormatSettings settings = FormatSettingsOf(*arguments);
  CoinFilter filter;
  ApplyFilter(*arguments, filter);
  const std::optional<int> requested_view = RequestedView(*arguments);
  const std::optional<std::string> sort = arguments->Value("--sort");
  const std::optional<std::array<int32_t, 5>> sort_keys =
      sort ? RequestedSortKeys(*sort) : std::nullopt;

  TerminalMessages messages;
  LoadedCollection loaded =
      LoadCollection(arguments->positional()[0], arguments->Value("--password"), messages);
  CollectionDocument& document = *loaded.document;
  document.current_view = ViewOf(requested_view, document);
  if (sort_keys) document.sort_keys = *sort_keys;
  if (sort) SortCollection(document, settings);

  GridView view(document);
  view.Rebuild(filter);
  const std::vector<TZelle>& columns = ViewColumns(document);
  std::vector<std::string> cells;
  for (const TZelle& column : columns) {
    cells.push_back(ColumnHeaderText(document, column.type).value_or(""));
  }
  PrintTabLine(cells);
  for (int row = 1; row <= view.ShownCount(); ++row) {
    cells.clear();
    for (std::size_t column = 0; column < columns.size(); ++column) {
      cells.push_back(view.CellText(row, static_cast<int>(column), settings));
    }
    PrintTabLine(cells);
  }
  PrintTabLine({"Summe", view.PiecesPanelText(settings), view.ValuePanelText(settings)});
  return 0;
}

int RunStats(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments =
      ParseCommand(kStatsCommand, words, {{"--password", "--locale"}, {}}, 1);
  if (!arguments) return 0;
  const FormatSettings settings = FormatSettingsOf(*arguments);
  TerminalMessages messages;
  const LoadedCollection loaded =
      LoadCollection(arguments->positional()[0], arguments->Value("--password"), messages);
  const std::string& currency = loaded.document->currency_symbol;
  const CollectionStatistics statistics = ComputeStatistics(*loaded.document);

  const auto row = [&](const std::string& caption, const StatisticsFigures& figures) {
    const std::array<std::string, 5> texts = StatisticsRowTexts(figures, currency, settings);
    std::vector<std::string> cells{caption};
    cells.insert(cells.end(), texts.begin(), texts.end());
    PrintTabLine(cells);
  };
  std::vector<std::string> headings{""};
  headings.insert(headings.end(), StatisticsHeadings().begin(), StatisticsHeadings().end());
  PrintTabLine(headings);
  for (std::size_t i = 0; i < statistics.areas.size(); ++i) {
    row(statistics.area_names[i], statistics.areas[i]);
  }
  row(StatisticsTotalCaption(), statistics.total);
  PrintTabLine({StatisticsPositionsText(statistics.positions)});
  return 0;
}

}  // namespace

const Command kListCommand{
    "list", "das Raster einer Ansicht als Tabelle",
    "Aufruf: korvex-cli list DATEI [--area ID|all] [--filter missing|stock|duplicates]\n"
    "                       [--sort file|K1,K2,...] [--date-format F] [--locale de|en]\n"
    "                       [--password P]\n"
    "\n"
    "Gibt das Raster einer Ansicht tabulatorgetrennt aus: die Spaltenüberschriften, eine Zeile je\n"
    "angezeigter Münze und zuletzt \"Summe\" mit Stückzahl und Katalogwert der Ansicht.\n"
    "\n"
    "  --area ID|all     Sammelgebiet mit dieser Nummer oder alle Münzen\n"
    "                    (ohne Angabe: die in der Datei gespeicherte Ansicht)\n"
    "  --filter F        missing (nur Fehlbestand), stock (nur Bestand),\n"
    "                    duplicates (nur Doubletten)\n"
    "  --sort file       vorher nach den Sortierschlüsseln der Datei sortieren\n"
    "  --sort K1,K2,...  vorher nach bis zu fünf Feldtypen sortieren (negativ: absteigend;\n"
    "                    65535 oder 0: kein Schlüssel, 65535 zuerst: Standardsortierung)\n"
    "                    ohne --sort: die gespeicherte Reihenfolge\n"
    "  --locale de|en    Zahlen und Datum deutsch (1.234,50 / dd.mm.yyyy) oder englisch\n"
    "                    (1,234.50 / yyyy-mm-dd); ohne Angabe das Gebietsschema des Systems\n"
    "  --date-format F   Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P      Passwort einer geschützten Datei\n",
    RunList};

const Command kStatsCommand{
    "stats", "die Gesamtstatistik je Sammelgebiet",
    "Aufruf: korvex-cli stats DATEI [--locale de|en] [--password P]\n"
    "\n"
    "Gibt die Gesamtstatistik tabulatorgetrennt aus: Stück, Katalogwert, Kaufpreis, Schätzwert\n"
    "und Wertsteigerung je Sammelgebiet, die Zeile \"Gesamte Sammlung:\" und die Zahl der\n"
    "Positionen.\n"
    "\n"
    "  --locale de|en   Zahlenformat deutsch oder englisch; ohne Angabe das des Systems\n"
    "  --password P     Passwort einer geschützten Datei\n",
    RunStats};

}  // namespace korvex::cli
