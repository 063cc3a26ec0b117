#include <iostream>
#include <new>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "files/fileerrors.h"

namespace korvex::cli {
namespace {

void PrintOverview(std::ostream& out) {
  out << "Aufruf: korvex-cli BEFEHL [ARGUMENTE] [OPTIONEN]\n"
         "\n"
         "Die Münzsammlung auf der Kommandozeile. Befehle:\n";
  for (const Command* command : AllCommands()) {
    out << "  " << command->name << std::string(10 - command->name.size(), ' ') << command->summary
        << '\n';
  }
  out << "\n"
         "Jeder Befehl zeigt mit --help seine Argumente und Optionen. Exit-Code 0 bei Erfolg, 1 bei\n"
         "einem Fehler, 2 bei falschem Aufruf. Eine Eingabedatei wird nie überschrieben.\n";
}

const Command* FindCommand(const std::string& name) {
  for (const Command* command : AllCommands()) {
    if (command->name == name) return command;
  }
  return nullptr;
}

int RunGuarded(const Command& command, const std::vector<std::string>& words) {
  try {
    return command.run(words);
  } catch (const UsageError& error) {
    std::cerr << error.what() << "\nHilfe: korvex-cli " << command.name << " --help\n";
    return 2;
  } catch (const CommandError& error) {
    // An empty message: the core has already said what went wrong.
    if (*error.what()) std::cerr << error.what() << '\n';
    return 1;
  } catch (const EKorvexError& error) {
    std::cerr << error.what() << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << "Nicht genügend Arbeitsspeicher.\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "Unerwarteter Fehler: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace

const std::vector<const Command*>& AllCommands() {
  static const std::vector<const Command*> commands = {
      &kDumpCommand,   &kInfoCommand,  &kConvertCommand, &kListCommand,   &kStatsCommand, &kPrintCommand,
      &kExportCommand, &kImportCommand, &kBackupCommand, &kLookupCommand,
  };
  return commands;
}

int RunCli(const std::vector<std::string>& words) {
  if (words.empty()) {
    PrintOverview(std::cerr);
    return 2;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintOverview(std::cout);
    return 0;
  }
  const Command* command = FindCommand(words[0]);
  if (!command) {
    std::cerr << "Unbekannter Befehl „" << words[0] << "“.\n\n";
    PrintOverview(std::cerr);
    return 2;
  }
  return RunGuarded(*command, std::vector<std::string>(words.begin() + 1, words.end()));
}

}  // namespace korvex::cli
