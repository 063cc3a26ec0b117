#pragma once

#include <QDialog>
#include <string>

#include "reports/cardpapers.h"

class QListWidget;
class QPushButton;

namespace korvex {
class MessageService;
}

namespace korvex::gui {

// "Einstellungen Karteikartendruck": the printer for index cards and its paper size. OK stores
// the selected printer and paper in `PrinterName()` and `PaperCode()`; "Karteikartendruck
// deaktivieren" closes the dialog with `kSwitchedOff`.
class TKarteidruckwahl : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSwitchedOff = 2;

  TKarteidruckwahl(const CardPrinterCatalogue& printers, MessageService& messages,
                   std::string printer_name, int paper_code, QWidget* parent = nullptr);

  const std::string& PrinterName() const { return printer_name_; }
  int PaperCode() const { return paper_code_; }
  const CardPaperList& Papers() const { return papers_; }

  QListWidget* Drucker = nullptr;
  QListWidget* Papiergroessen = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonReset = nullptr;

 private:
  // Fills the paper list for the selected printer and preselects an "A6" paper.
  void FillPapers();
  void ButtonOKClick();

  const CardPrinterCatalogue& printers_;
  MessageService& messages_;
  std::string printer_name_;
  int paper_code_;
  CardPaperList papers_;
};

}  // namespace korvex::gui
