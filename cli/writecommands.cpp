// convert and backup: the collection written anew, and the backup archive.
#include <iostream>

#include "cli/collectionloading.h"
#include "cli/commands.h"
#include "cli/commandsupport.h"
#include "cli/outputfiles.h"
#include "cli/terminal.h"
#include "files/backup.h"
#include "files/fileerrors.h"
#include "model/codepage.h"
#include "platform/progress.h"

namespace korvex::cli {
namespace {

// The combinations of the password options that make no sense, refused before anything is read.
void CheckPasswordOptions(const Arguments& arguments, bool compressed) {
  const std::optional<std::string> new_password = arguments.Value("--new-password");
  if (!new_password) return;
  if (arguments.Flag("--no-password")) {
    throw UsageError("--new-password und --no-password schließen einander aus.");
  }
  if (new_password->empty()) {
    throw UsageError("--new-password braucht ein Passwort; ohne Passwort: --no-password.");
  }
  if (!compressed) throw UsageError("Nur .mvc-Dateien können mit einem Passwort geschützt werden.");
}

// The password the converted file carries: the one in force, a new one, or none.
void ApplyPasswordOptions(const Arguments& arguments, CollectionDocument& document,
                          bool compressed) {
  if (const std::optional<std::string> new_password = arguments.Value("--new-password")) {
    document.SetPassword(Utf8ToWin1252(*new_password));
  }
  if (arguments.Flag("--no-password")) document.SetPassword("");
  if (!document.password().empty() && !compressed) {
    throw CommandError("Die Sammlung ist passwortgeschützt; als .mvs wird sie nur mit "
                       "--no-password ohne Passwort geschrieben.");
  }
}

int RunConvert(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments = ParseCommand(
      kConvertCommand, words, {{"--password", "--new-password"}, {"--no-password"}}, 2);
  if (!arguments) return 0;
  const std::string& input = arguments->positional()[0];
  const std::string& output = arguments->positional()[1];
  CheckCollectionOutput(output, {input});
  const bool compressed = IsCompressedOutput(output);
  CheckPasswordOptions(*arguments, compressed);
  TerminalMessages messages;
  LoadedCollection loaded = LoadCollection(input, arguments->Value("--password"), messages);
  ApplyPasswordOptions(*arguments, *loaded.document, compressed);
  SaveCollectionAs(*loaded.document, output, messages);
  return 0;
}

int RunBackup(const std::vector<std::string>& words) {
  const std::optional<Arguments> arguments =
      ParseCommand(kBackupCommand, words, {{"--password"}, {}}, 2);
  if (!arguments) return 0;
  const std::string& input = arguments->positional()[0];
  const std::string& archive = arguments->positional()[1];
  RefuseInputAsOutput(archive, {input});
  TerminalMessages messages;
  const LoadedCollection loaded = LoadCollection(input, arguments->Value("--password"), messages);
  NoProgress progress;
  try {
    WriteBackupArchive(*loaded.document, Utf8ToWin1252(archive), DefaultLookupFile(), progress);
  } catch (const EKorvexError& error) {
    throw CommandError(error.message());
  }
  return 0;
}

}  // namespace

const Command kConvertCommand{
    "convert", "eine Sammlung als .mvc oder .mvs schreiben",
    "Aufruf: korvex-cli convert EIN AUS [--new-password P | --no-password] [--password P]\n"
    "\n"
    "Liest EIN (.mvc, .mvs, .xml, .mvv oder .kvl) und schreibt AUS nach seiner Endung: .mvc\n"
    "komprimiert mit dem geltenden Passwort, .mvs als unkomprimierte XML-Datei. Eine\n"
    "passwortgeschützte Sammlung wird nur mit --no-password als .mvs geschrieben. Bei .kvl\n"
    "entfällt die Zuordnung der Katalognummern. Eine vorhandene Datei AUS wird als\n"
    "\".alteversion\" aufbewahrt; EIN wird nie überschrieben.\n"
    "\n"
    "  --password P       Passwort der geschützten Eingabedatei\n"
    "  --new-password P   AUS (.mvc) mit diesem Passwort schützen\n"
    "  --no-password      AUS ohne Passwort schreiben\n",
    RunConvert};

const Command kBackupCommand{
    "backup", "Datensicherung als ZIP-Archiv",
    "Aufruf: korvex-cli backup DATEI AUS.zip [--password P]\n"
    "\n"
    "Schreibt die Datensicherung: ein ZIP-Archiv mit der Sammlung als .mvs, der Datei korvex.ini\n"
    "des Datenordners und allen Bildern der Münzen, verschlüsselt mit dem Passwort der Sammlung.\n"
    "\n"
    "  --password P   Passwort einer geschützten Datei\n",
    RunBackup};

}  // namespace korvex::cli
