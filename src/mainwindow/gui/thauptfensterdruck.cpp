// List printing and the statistics window.
#include <QAction>

#include "mainwindow/gui/filedialogs.h"
#include "mainwindow/gui/thauptfenster.h"
#include "reports/gui/listprinting.h"
#include "reports/gui/printerchoice.h"
#include "reports/gui/tgesamtfenster.h"
#include "mainwindow/gridlistrows.h"

namespace korvex {

void THauptfenster::ConnectReportCommands() {
  Connect("MenuDateiDrucken", &THauptfenster::MenuDateiDruckenClick);
  Connect("SpeedDruck", &THauptfenster::SpeedDruckClick);
  Connect("MenuAnsichtGesamt", &THauptfenster::MenuAnsichtGesamtClick);
  Connect("SpeedGesamt", &THauptfenster::MenuAnsichtGesamtClick);
}

std::unique_ptr<PrinterChoice> THauptfenster::NewSystemPrinters() {
  const auto choose_pdf_file = [this]() -> std::optional<QString> {
    FileDialogRequest request;
    request.caption = "Als PDF-Datei drucken";
    request.filters = {{"PDF-Dateien", {"*.pdf"}}};
    request.default_extension = "pdf";
    const std::optional<FileChoice> choice = services_.file_dialogs->ChooseFileToSave(request);
    if (!choice) return std::nullopt;
    return QString::fromStdString(choice->path);
  };
  return std::make_unique<SystemPrinterChoice>(*services_.messages, choose_pdf_file, this);
}

void THauptfenster::PrintShownList(bool with_dialog) {
  if (document_.current_view == 0) return;
  const GridListRows rows(grid_content_.view(), format_);
  ListPrintout list = MakeListPrintout(document_, rows, format_, settings_.Printer_Font_Size);
  // The headings the grid shows, which a column without a header of its own keeps.
  for (std::size_t i = 0; i < list.columns.size(); ++i) {
    list.columns[i].heading = grid_content_.HeaderText(static_cast<int>(i));
  }
  korvex::PrintShownList(list, windowTitle(), with_dialog, *services_.printers, *services_.messages, *this);
}

void THauptfenster::MenuAnsichtGesamtClick() {
  gui::TGesamtfenster window(document_, format_, settings_.Printer_Font_Size, places_,
                             *services_.printers, *services_.messages, this);
  window.exec();
}

}  // namespace korvex
