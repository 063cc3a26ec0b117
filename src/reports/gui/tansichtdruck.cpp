// The printouts of the detail view: the coin sheet, the index card and the card set-up.
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "dialogs/programsettings.h"
#include "model/collectiondocument.h"
#include "model/datetime.h"
#include "platform/messages.h"
#include "reports/coinsheetprintout.h"
#include "reports/gui/qtcardprinters.h"
#include "reports/gui/tansicht.h"
#include "reports/gui/tkarteidruckwahl.h"
#include "reports/indexcardprintout.h"

namespace korvex::gui {
namespace {

// The printer's name and page layout, put back when it goes out of scope: the card printer is
// only borrowed for a card.
class RememberedPrinter {
 public:
  explicit RememberedPrinter(QPrinter& printer)
      : printer_(printer), name_(printer.printerName()), layout_(printer.pageLayout()) {}
  ~RememberedPrinter() {
    if (printer_.printerName() != name_) printer_.setPrinterName(name_);
    printer_.setPageLayout(layout_);
  }
  RememberedPrinter(const RememberedPrinter&) = delete;
  RememberedPrinter& operator=(const RememberedPrinter&) = delete;

 private:
  QPrinter& printer_;
  QString name_;
  QPageLayout layout_;
};

}  // namespace

bool TAnsicht::ConfirmPrint() {
  if (services_.confirm_print) return services_.confirm_print(printer_, this);
  QPrintDialog dialog(&printer_, this);
  return dialog.exec() == QDialog::Accepted;
}

void TAnsicht::PrintSheet(bool with_pictures) {
  printer_.setDocName(CoinSheetJobTitle(content_));
  if (!ConfirmPrint()) return;
  const CoinSheet sheet{PrintedContent(), PictureFolder(),
                        FormatDate(Today(), services_.format->short_date_format), with_pictures,
                        PrintFontSize()};
  const PrintOutcome outcome = PrintCoinSheet(printer_, sheet, {nullptr, [this] {
                                                return printer_.printerState() == QPrinter::Aborted;
                                              }});
  if (outcome == PrintOutcome::kFailed && services_.messages) services_.messages->Error(kPrintFailedMessage);
}

void TAnsicht::PrintCard() {
  ProgramSettings& settings = *services_.settings;
  if (settings.Printer_Kartei_Drucker.empty()) return;
  const RememberedPrinter remembered(printer_);
  const QString card_printer = QString::fromStdString(settings.Printer_Kartei_Drucker);
  if (QPrinterInfo::printerInfo(card_printer).isNull()) {
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty()) printer_.setPrinterName(fallback);
  } else {
    printer_.setPrinterName(card_printer);
  }
  printer_.setDocName(IndexCardJobTitle(content_));
  printer_.setPageOrientation(QPageLayout::Landscape);
  const QPageSize paper(QPageSize::id(settings.Printer_Kartei_Papiertyp));
  printer_.setPageSize(paper.isValid() ? paper : QPageSize(QPageSize::A6));
  if (!ConfirmPrint()) return;
  const IndexCard card{PrintedContent(), PictureFolder(), PrintFontSize()};
  if (PrintIndexCard(printer_, card) == PrintOutcome::kFailed && services_.messages) {
    services_.messages->Error(kPrintFailedMessage);
  }
}

void TAnsicht::SetUpCards() {
  ProgramSettings& settings = *services_.settings;
  const RememberedPrinter remembered(printer_);
  const QtCardPrinterCatalogue installed;
  const CardPrinterCatalogue& printers = services_.printers ? *services_.printers : installed;
  MessageService* messages = services_.messages;
  if (!messages) return;
  TKarteidruckwahl dialog(printers, *messages, settings.Printer_Kartei_Drucker,
                          settings.Printer_Kartei_Papiertyp, this);
  const int result = dialog.exec();
  if (result == TKarteidruckwahl::kSwitchedOff) {
    settings.Printer_Kartei_Drucker.clear();
    settings.Printer_Kartei_Papiertyp = 0;
  } else {
    settings.Printer_Kartei_Drucker = dialog.PrinterName();
    settings.Printer_Kartei_Papiertyp = dialog.PaperCode();
  }
  AnsichtKarteikartendrucken->setEnabled(AnsichtMenuDatei->isEnabled() &&
                                         !settings.Printer_Kartei_Drucker.empty());
}

}  // namespace korvex::gui
