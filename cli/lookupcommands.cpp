// lookup merge and lookup show: the lookup file "korvex.ini" of the data folder.
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/commandsupport.h"
#include "dialogs/lookuplists.h"
#include "model/codepage.h"
#include "model/textcompare.h"
#include "platform/datafolders.h"

namespace korvex::cli {
namespace {

// The list named by its section ("Haendler") or its caption ("Händler"), in either letter case.
LookupList LookupListOf(const std::string& name) {
  const std::string wanted = Utf8ToWin1252(name);
  std::string known;
  for (int i = 0; i < kLookupListCount; ++i) {
    const auto list = static_cast<LookupList>(i);
    if (EqualAsciiUpper(wanted, LookupSectionName(list)) ||
        EqualAsciiUpper(wanted, Utf8ToWin1252(LookupCaption(list)))) {
      return list;
    }
    known += std::string(known.empty() ? "" : ", ") + LookupSectionName(list);
  }
  throw UsageError("Unbekannte Hilfsdatenbank „" + name + "“. Mögliche Abschnitte: " + known + ".");
}

int RunShow(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(kLookupCommand, words, {}, 1);
  if (!arguments) return 0;
  const LookupList list = LookupListOf(arguments->positional()[0]);
  const std::filesystem::path file = LookupFilePath();
  if (!std::filesystem::exists(file)) {
    throw CommandError("Im Datenordner gibt es keine Hilfsdatenbank-Datei: " + file.string());
  }
  const LookupLists lists = LoadLookupLists(file);
  for (const std::string& entry : lists[list]) {
    if (list == LookupList::kQualitaet) PrintTabLine({QualityCode(entry), QualityLongName(entry)});
    else PrintTabLine({entry});
  }
  return 0;
}

int RunMerge(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(kLookupCommand, words, {}, 0);
  if (!arguments) return 0;
  const std::filesystem::path update = LookupUpdatePath();
  if (!std::filesystem::exists(update)) {
    throw CommandError("Im Datenordner gibt es keine Datei update.ini; es gibt nichts zu "
                       "übernehmen: " + update.string());
  }
  // As at the window's start: a data folder without lookup file first gets the shipped one.
  if (!std::filesystem::exists(LookupFilePath())) InstallDefaultLookupFile();
  if (!MergeLookupUpdate(LoadLookupLists())) {
    throw CommandError("Die Hilfsdatenbank-Datei konnte nicht geschrieben werden: " +
                       LookupFilePath().string());
  }
  std::cout << "update.ini wurde in korvex.ini übernommen.\n";
  return 0;
}

int RunLookup(const std::vector<std::string>& words) {
  if (words.empty()) throw UsageError("lookup braucht merge oder show ABSCHNITT.");
  const std::vector<std::string> rest(words.begin() + 1, words.end());
  if (words[0] == "merge") return RunMerge(rest);
  if (words[0] == "show") return RunShow(rest);
  if (words[0] == "--help" || words[0] == "-h") {
    std::cout << kLookupCommand.help;
    return 0;
  }
  throw UsageError("Unbekannter lookup-Befehl „" + words[0] + "“ (merge oder show).");
}

}  // namespace

const Command kLookupCommand{
    "lookup", "Hilfsdatenbanken des Datenordners zusammenführen oder zeigen",
    "Aufruf: korvex-cli lookup merge\n"
    "        korvex-cli lookup show ABSCHNITT\n"
    "\n"
    "Arbeitet mit der Datei korvex.ini des Datenordners (KORVEX_DATA_DIR, sonst\n"
    "~/.local/share/proMarbel/Korvex).\n"
    "\n"
    "  merge            übernimmt update.ini in korvex.ini (sortiert, ohne doppelte Einträge)\n"
    "                   und löscht update.ini\n"
    "  show ABSCHNITT   zeigt eine Liste, eine Zeile je Eintrag; Qualitäten als Kürzel und\n"
    "                   Langname, durch Tabulator getrennt. ABSCHNITT: Aufbewahrung, Haendler,\n"
    "                   Legierungen, Praegestaetten, Qualitaet, Waehrungen, Vorderseiten,\n"
    "                   Rueckseiten, Raender, Laender, Staedte, Muenzmeister, Themen\n"
    "                   (oder die Namen des Editors, etwa \"Händler\")\n",
    RunLookup};

}  // namespace korvex::cli
