// dump and info: the whole document for scripts, and a short summary for people.
#include <iostream>

#include "cli/collectionloading.h"
#include "cli/commands.h"
#include "cli/commandsupport.h"
#include "cli/documentjson.h"
#include "cli/terminal.h"
#include "model/codepage.h"
#include "reports/statistics.h"

namespace korvex::cli {
namespace {

const OptionSet kReadOptions{{"--password"}, {}};

int RunDump(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(kDumpCommand, words, kReadOptions, 1);
  if (!arguments) return 0;
  TerminalMessages messages;
  const LoadedCollection loaded =
      LoadCollection(arguments->positional()[0], arguments->Value("--password"), messages);
  std::cout << DocumentToJson(*loaded.document, loaded.VersionJson()).dump(2) << '\n';
  return 0;
}

int RunInfo(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(kInfoCommand, words, kReadOptions, 1);
  if (!arguments) return 0;
  const std::string& path = arguments->positional()[0];
  TerminalMessages messages;
  const LoadedCollection loaded = LoadCollection(path, arguments->Value("--password"), messages);
  const CollectionDocument& document = *loaded.document;
  const CollectionStatistics statistics = ComputeStatistics(document);
  std::cout << "Datei: " << path << '\n'
            << "Dateiart: " << FileKindName(path) << '\n'
            << "Version: " << loaded.VersionText() << '\n'
            << "Währung: " << Win1252ToUtf8(document.currency_symbol) << '\n'
            << "Passwort: " << (document.password().empty() ? "nein" : "ja") << '\n'
            << "Sammelgebiete: " << document.AreaCount() << '\n'
            << "Münzen: " << document.coin_count << '\n';
  for (int id = 1; id <= document.AreaCount(); ++id) {
    std::cout << "Sammelgebiet " << id << ": " << Win1252ToUtf8(document.Area(id)->name) << " ("
              << statistics.areas[id - 1].pieces << " Stück)\n";
  }
  return 0;
}

}  // namespace

const Command kDumpCommand{
    "dump", "das ganze Dokument als JSON-Objekt",
    "Aufruf: korvex-cli dump DATEI [--password P]\n"
    "\n"
    "Gibt das ganze Dokument als ein JSON-Objekt auf der Standardausgabe aus (UTF-8):\n"
    "file_version, currency, current_view, standard_order, sort_keys, highest_item, coin_count,\n"
    "all_cells, alignment, areas (jedes Sammelgebiet mit allen Feldern) und coins (jede Münze in\n"
    "der Reihenfolge der Sammlung, Datumswerte als Tageszahlen, description als Text oder null).\n"
    "\n"
    "DATEI: .mvc, .mvs, .xml, .mvv oder .kvl\n"
    "  --password P   Passwort einer geschützten Datei (sonst Abfrage am Terminal)\n",
    RunDump};

const Command kInfoCommand{
    "info", "kurze Übersicht über eine Sammlung",
    "Aufruf: korvex-cli info DATEI [--password P]\n"
    "\n"
    "Zeigt Dateiart, Version, Währung, Passwortschutz, die Zahl der Sammelgebiete und Münzen und\n"
    "jedes Sammelgebiet mit Nummer, Name und Stückzahl.\n"
    "\n"
    "  --password P   Passwort einer geschützten Datei (sonst Abfrage am Terminal)\n",
    RunInfo};

}  // namespace korvex::cli
