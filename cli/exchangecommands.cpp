// export and import: separated text files.
#include <iostream>

#include "cli/collectionloading.h"
#include "cli/commands.h"
#include "cli/commandsupport.h"
#include "cli/formatoptions.h"
#include "cli/importanswers.h"
#include "cli/outputfiles.h"
#include "cli/terminal.h"
#include "files/textexport.h"
#include "files/textimport.h"
#include "files/textimportlines.h"
#include "mainwindow/sorting.h"
#include "model/codepage.h"

namespace korvex::cli {
namespace {

char SeparatorOf(const Arguments& arguments) {
  const std::string separator = arguments.Value("--separator").value_or("tab");
  if (separator == "tab") return '\t';
  if (separator == "comma") return ',';
  if (separator == "semicolon") return ';';
  throw UsageError("Option --separator erwartet tab, comma oder semicolon statt „" + separator + "“.");
}

TextExportRequest ExportRequestOf(const Arguments& arguments, const CollectionDocument& document) {
  TextExportRequest request;
  request.separator = SeparatorOf(arguments);
  const std::string scope = arguments.Value("--scope").value_or("all");
  if (scope == "all") return request;
  const std::string prefix = "area:";
  if (scope.rfind(prefix, 0) != 0) {
    throw UsageError("Option --scope erwartet all oder area:ID statt „" + scope + "“.");
  }
  const int id = ParseWholeNumber(scope.substr(prefix.size()), "--scope");
  if (!document.Area(id)) {
    throw CommandError("Die Sammlung hat kein Sammelgebiet mit der Nummer " +
                       scope.substr(prefix.size()) + ".");
  }
  request.scope = TextExportScope::kShownArea;
  request.shown_area = id;
  return request;
}

int RunExport(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kExportCommand, words,
      {{"--password", "--scope", "--separator", "--locale", "--date-format"}, {"--unencrypted"}}, 2);
  if (!arguments) return 0;
  const std::string& input = arguments->positional()[0];
  const std::string& output = arguments->positional()[1];
  RefuseInputAsOutput(output, {input});
  const FormatSettings settings = FormatSettingsOf(*arguments);
  SeparatorOf(*arguments);  // wrong usage is reported before a password is asked for
  // The export asks whether a protected collection may be written as plain text; the option is
  // the answer given in advance.
  TerminalMessages messages(arguments->Flag("--unencrypted"));
  const LoadedCollection loaded = LoadCollection(input, arguments->Value("--password"), messages);
  const TextExportRequest request = ExportRequestOf(*arguments, *loaded.document);
  switch (ExportTextFile(Utf8ToWin1252(output), *loaded.document, request, settings, messages)) {
    case TextExportOutcome::kWritten: return 0;
    case TextExportOutcome::kDeclined:
      throw CommandError("Nicht exportiert: Die Sammlung ist passwortgeschützt; mit --unencrypted "
                         "wird sie trotzdem als Klartext geschrieben.");
    case TextExportOutcome::kWriteFailed: throw CommandError("");
  }
  return 1;
}

// Refuses an import file that cannot be read before anything is changed; the import itself would
// go on with the lines it got.
void CheckImportFile(const std::string& path) {
  TextImportFile file;
  ReadTextImportFile(Utf8ToWin1252(path), file);
  if (file.status != TextImportReadStatus::kRead) {
    throw CommandError("Die Importdatei „" + path + "“ kann nicht gelesen werden.");
  }
}

int RunImport(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kImportCommand, words,
      {{"--password", "--unknown-column", "--unknown-area", "--locale", "--date-format"}, {}}, 3);
  if (!arguments) return 0;
  const std::string& collection = arguments->positional()[0];
  const std::string& text_file = arguments->positional()[1];
  const std::string& output = arguments->positional()[2];
  CheckCollectionOutput(output, {collection, text_file});
  const FormatSettings settings = FormatSettingsOf(*arguments);
  FixedColumnAnswer columns(arguments->Value("--unknown-column").value_or("Text"));
  CheckImportFile(text_file);

  TerminalMessages messages;
  LoadedCollection loaded = LoadCollection(collection, arguments->Value("--password"), messages);
  CollectionDocument& document = *loaded.document;
  FixedAreaAnswer areas(arguments->Value("--unknown-area").value_or("new"), document.AreaCount());
  // The command line itself is the consent that the window asks for first.
  const TextImportResult result = ImportTextFile(Utf8ToWin1252(text_file), document, settings,
                                                 {messages, columns, areas});
  FinishTextImport(document, [&](CollectionDocument& d) { SortCollection(d, settings); });
  SaveCollectionAs(document, output, messages);
  std::cout << result.new_coins << " Münzen importiert.\n";
  return 0;
}

}  // namespace

const Command kExportCommand{
    "export", "Textexport (tabulator-, komma- oder semikolongetrennt)",
    "Aufruf: korvex-cli export DATEI AUS [--scope all|area:ID] [--separator tab|comma|semicolon]\n"
    "                         [--locale de|en] [--date-format F] [--password P] [--unencrypted]\n"
    "\n"
    "Schreibt den Textexport nach AUS (Windows-1252, CR LF): eine Kopfzeile mit 47 Spalten und\n"
    "eine Zeile je Münze in der Reihenfolge der Sammlung.\n"
    "\n"
    "  --scope all|area:ID   alle Münzen oder die eines Sammelgebiets\n"
    "  --separator S         tab (Vorgabe), comma oder semicolon\n"
    "  --locale de|en        Zahlen und Datum deutsch oder englisch; ohne Angabe wie das System\n"
    "  --date-format F       Datumsformat, z. B. dd/mm/yyyy\n"
    "  --password P          Passwort einer geschützten Datei\n"
    "  --unencrypted         eine geschützte Sammlung trotzdem als Klartext exportieren\n",
    RunExport};

const Command kImportCommand{
    "import", "Textdatei in eine Sammlung importieren",
    "Aufruf: korvex-cli import DATEI EIN AUS [--unknown-column ELEMENT]\n"
    "                         [--unknown-area new|single|ID] [--locale de|en] [--date-format F]\n"
    "                         [--password P]\n"
    "\n"
    "Importiert die Textdatei EIN in die Sammlung DATEI und schreibt das Ergebnis nach AUS (.mvc\n"
    "oder .mvs); DATEI bleibt unverändert. Danach wird nach den Schlüsseln der Sammlung sortiert.\n"
    "\n"
    "  --unknown-column E   Spalten mit unbekanntem Namen füllen das Element E (Vorgabe: Text)\n"
    "  --unknown-area A     unbekannte Sammelgebiete: new legt je Name ein neues an (Vorgabe;\n"
    "                       eine Münze ohne Namen schickt ab da alle unbekannten in \"Münzen\n"
    "                       ohne Kategorie\"), single legt alle in \"Münzen ohne Kategorie\",\n"
    "                       eine Nummer legt sie in dieses Sammelgebiet\n"
    "  --locale de|en       Zahlen und Datum deutsch oder englisch; ohne Angabe wie das System\n"
    "  --date-format F      Datumsformat der Datumsspalten, z. B. dd/mm/yyyy\n"
    "  --password P         Passwort einer geschützten Datei\n",
    RunImport};

}  // namespace korvex::cli
