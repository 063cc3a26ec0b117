#include "reports/gui/listprinting.h"

#include <QPageLayout>

#include "platform/messages.h"
#include "reports/gui/printabortwatch.h"
#include "reports/gui/printerchoice.h"

namespace korvex {

bool PrintShownList(const ListPrintout& list, const QString& job_title, bool with_dialog,
                    PrinterChoice& printers, MessageService& messages, Progress& progress) {
  QPrinter* printer = printers.Choose(with_dialog, job_title);
  if (!printer) return false;
  const bool landscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
  if (ListWantsLandscape(landscape, static_cast<int>(list.columns.size())) &&
      messages.Show(MessageKind::kQuestion, kOrientationQuestion, MessageButtons::kYesNo) ==
          MessageAnswer::kYes) {
    printer->setPageOrientation(QPageLayout::Landscape);
  }
  PrintAbortWatch watch;
  const PrintControl control{&progress, [&] {
                               if (!watch.Aborted()) return false;
                               printer->abort();  // the spooler discards the pages sent so far
                               return true;
                             }};
  const PrintOutcome outcome = PrintList(*printer, list, control);
  if (outcome == PrintOutcome::kFailed) messages.Error(kPrintFailedMessage);
  return outcome == PrintOutcome::kPrinted;
}

}  // namespace korvex
