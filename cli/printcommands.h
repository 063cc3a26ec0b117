#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "reports/printcontrol.h"

class QGuiApplication;

namespace korvex::cli {

// The printouts of `korvex-cli print`, each a subcommand that writes one printout into a PDF
// file through the same drawing code as the window. A new printout adds its command to
// PrintSubcommands().
extern const Command kPrintListCommand;
extern const Command kPrintStatisticsCommand;
extern const Command kPrintSheetCommand;
extern const Command kPrintCardCommand;
const std::vector<const Command*>& PrintSubcommands();

// Qt measures and draws text only inside a GUI application; a printout runs one on the
// offscreen platform (no display needed) while it draws.
class OffscreenGui {
 public:
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  int argc_ = 1;
  char name_[16] = "korvex-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

// The print font size of the option --font-size (2 to 72; 9 without it).
int PrintFontSizeOf(const Arguments& arguments);
// Turns a printout that could not be written into a CommandError.
void FinishPdf(PrintOutcome outcome, const std::string& output);

// Refuses to write the PDF `output` over the collection file `input`, and checks that the PDF's
// folder exists (CommandError otherwise).
void CheckPdfOutput(const std::string& output, const std::string& input);

}  // namespace korvex::cli
