#pragma once

#include <QDialog>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "reports/statistics.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace korvex {

class MessageService;
class PrinterChoice;
struct WindowPlaces;

namespace gui {

// "Korvex - Statistik": pieces, catalogue value, purchase price, estimate and value increase of
// every collecting area and of the whole collection, whatever the main window shows, and their
// printout. The figures are read-only. The window opens where it was last closed, at the height
// it had then.
class TGesamtfenster final : public QDialog {
  Q_OBJECT

 public:
  TGesamtfenster(const CollectionDocument& document, const FormatSettings& format, int print_font_size,
                 WindowPlaces& places, PrinterChoice& printers, MessageService& messages,
                 QWidget* parent = nullptr);

  QTableWidget* GesamtGrid = nullptr;
  QWidget* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LabelStueck = nullptr;
  QLabel* Labelpreis = nullptr;
  QLabel* Labelkaufpreis = nullptr;
  QLabel* LabelSchaetzwert = nullptr;
  QLabel* LabelWertst = nullptr;
  QLabel* LabelPositionen = nullptr;
  QPushButton* ButtonDrucken = nullptr;
  QPushButton* ButtonOk = nullptr;

  // The print dialog, then the statistics printout.
  void ButtonDruckenClick();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreatePanel();
  void PlaceOnScreen();
  // Fills the grid and the totals; runs on the first activation only.
  void ComputeFigures();
  // Column 0 takes two shares of the grid's width, the five figure columns one each; the totals
  // stand under their columns.
  void LayoutColumns();

  const CollectionDocument& document_;
  const FormatSettings format_;
  const int print_font_size_;
  WindowPlaces& places_;
  PrinterChoice& printers_;
  MessageService& messages_;
  bool computed_ = false;
};

}  // namespace gui
}  // namespace korvex
