// print: the printouts as PDF files, one subcommand per printout.
#include "cli/printcommands.h"

#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/outputfiles.h"
#include "cli/commandsupport.h"
#include "dialogs/programsettings.h"
#include "reports/printpage.h"

namespace korvex::cli {
namespace {

const Command* FindPrintout(const std::string& name) {
  for (const Command* command : PrintSubcommands()) {
    if (command->name == name) return command;
  }
  return nullptr;
}

void PrintPrintouts(std::ostream& out) {
  out << "Aufruf: korvex-cli print AUSDRUCK DATEI AUSGABE.pdf [OPTIONEN]\n"
         "\n"
         "Schreibt einen Ausdruck der Sammlung als PDF-Datei, so wie ihn das Programm druckt.\n"
         "Ausdrucke:\n";
  for (const Command* command : PrintSubcommands()) {
    out << "  " << command->name << std::string(12 - command->name.size(), ' ') << command->summary
        << '\n';
  }
  out << "\nJeder Ausdruck zeigt mit --help seine Optionen (korvex-cli print list --help).\n";
}

int RunPrint(const std::vector<std::string>& words) {
  if (words.empty()) throw UsageError("Welcher Ausdruck? korvex-cli print --help zeigt sie.");
  if (words[0] == "--help" || words[0] == "-h") {
    PrintPrintouts(std::cout);
    return 0;
  }
  const Command* printout = FindPrintout(words[0]);
  if (!printout) throw UsageError("Unbekannter Ausdruck „" + words[0] + "“.");
  return printout->run(std::vector<std::string>(words.begin() + 1, words.end()));
}

}  // namespace

const std::vector<const Command*>& PrintSubcommands() {
  static const std::vector<const Command*> printouts = {&kPrintListCommand, &kPrintStatisticsCommand,
                                                            &kPrintSheetCommand, &kPrintCardCommand};
  return printouts;
}

OffscreenGui::OffscreenGui() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() = default;

int PrintFontSizeOf(const Arguments& arguments) {
  const std::optional<std::string> text = arguments.Value("--font-size");
  if (!text) return kDefaultPrintFontSize;
  const int size = ParseWholeNumber(*text, "--font-size");
  if (size < kMinPrintFontSize || size > kMaxPrintFontSize) {
    throw UsageError("Option --font-size erwartet eine Schriftgröße von " +
                     std::to_string(kMinPrintFontSize) + " bis " + std::to_string(kMaxPrintFontSize) + ".");
  }
  return size;
}

void FinishPdf(PrintOutcome outcome, const std::string& output) {
  if (outcome != PrintOutcome::kPrinted) {
    throw CommandError("Die PDF-Datei „" + output + "“ konnte nicht geschrieben werden.");
  }
}

void CheckPdfOutput(const std::string& output, const std::string& input) {
  RefuseInputAsOutput(output, {input});
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(output, error).parent_path();
  if (error || !std::filesystem::is_directory(folder, error)) {
    throw CommandError("Der Ordner für „" + output + "“ existiert nicht.");
  }
}

const Command kPrintCommand{
    "print", "Liste, Statistik, Münzblatt, Karteikarte als PDF-Datei drucken",
    "Aufruf: korvex-cli print AUSDRUCK DATEI AUSGABE.pdf [OPTIONEN]\n"
    "(korvex-cli print --help zeigt die Ausdrucke)\n",
    RunPrint};

}  // namespace korvex::cli
