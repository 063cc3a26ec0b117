#pragma once

#include <QString>

#include "reports/listprintout.h"

namespace korvex {

class MessageService;
class PrinterChoice;
class Progress;

// Prints the shown list as "&Drucken..." (`with_dialog`, after the print dialog) and `SpeedDruck`
// (at once on the current printer) do: offers landscape paper for a grid of more than 8 columns,
// titles the job `job_title`, shows the progress, and aborts the job when Escape is pressed.
// False when nothing was printed.
bool PrintShownList(const ListPrintout& list, const QString& job_title, bool with_dialog,
                    PrinterChoice& printers, MessageService& messages, Progress& progress);

}  // namespace korvex
