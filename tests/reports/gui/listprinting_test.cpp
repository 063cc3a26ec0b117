#include "reports/gui/listprinting_test.h"

#include <QKeyEvent>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "common/modalhelper.h"
#include "mainwindow/gui/statuszeile.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gridlistrows.h"
#include "model/codepage.h"
#include "model/fieldcatalogue.h"
#include "reports/gui/listprinting.h"
#include "reports/gui/pdfprinters.h"
#include "reports/gui/printabortwatch.h"
#include "reports/gui/tgesamtfenster.h"
#include "reports/pdfwords.h"
#include "common/coinbuilder.h"

using namespace korvex;

namespace {

// An area whose grid shows `columns` columns (inventory number, then counts), with three coins.
struct WideList {
  explicit WideList(int columns) : view(builder.document()) {
    const int area = builder.AddArea("Deutschland");
    builder.Area(area).cells.assign(1, TZelle{kItem, 60, kAlignLeft});
    builder.Area(area).cells.resize(columns, TZelle{kCount, 30, kAlignRight});
    for (int i = 0; i < 3; ++i) builder.AddCoin(area, [i](TDaten& coin) { coin.item = std::to_string(i + 1); });
    builder.document().RebuildDisplayOrder();
    builder.document().current_view = area;
    view.Rebuild(CoinFilter{});
    list = MakeListPrintout(builder.document(), rows, FormatSettings::German(), 9);
  }

  test::DocumentBuilder builder;
  GridView view;
  GridListRows rows{view, FormatSettings::German()};
  ListPrintout list;
};

// The right end of the first line: the page header ends at the right margin.
double HeaderEnd(const std::vector<test::PdfWord>& words) {
  double end = 0;
  for (const auto& word : test::WordsOnLine(words, 1, words.at(0).y_min)) end = std::max(end, word.x_max);
  return end;
}

const std::string kQuestion = kOrientationQuestion;

}  // namespace

void ListPrintingTest::WideGridInPortraitAsksAndYesTurnsThePaper() {
  test::TempDir folder;
  test::PdfPrinterChoice printer(folder / "liste.pdf");
  test::ScriptedMessages messages;
  messages.Answer(MessageAnswer::kYes);
  NoProgress progress;
  WideList wide(9);
  QVERIFY(PrintShownList(wide.list, "Korvex - Titel", true, printer, messages, progress));
  QCOMPARE(messages.shown().size(), std::size_t(1));
  QCOMPARE(messages.shown()[0].text, kQuestion);
  QVERIFY(messages.shown()[0].buttons == MessageButtons::kYesNo);
  QCOMPARE(printer.requests[0].title, QStringLiteral("Korvex - Titel"));
  QVERIFY(printer.requests[0].with_dialog);
  // The printer stays in landscape.
  QCOMPARE(printer.printer.pageLayout().orientation(), QPageLayout::Landscape);
  const auto words = test::ReadPdfWords(folder / "liste.pdf");
  QVERIFY(std::abs(HeaderEnd(words) - test::PrintUnitsToPoints(2970 - 300)) < 0.3);

  // The next printout finds landscape paper and asks nothing.
  QVERIFY(PrintShownList(wide.list, "Korvex", false, printer, messages, progress));
  QCOMPARE(messages.shown().size(), std::size_t(1));
}

void ListPrintingTest::AnsweringNoPrintsInPortrait() {
  test::TempDir folder;
  test::PdfPrinterChoice printer(folder / "liste.pdf");
  test::ScriptedMessages messages;
  messages.Answer(MessageAnswer::kNo);
  NoProgress progress;
  WideList wide(12);
  QVERIFY(PrintShownList(wide.list, "Korvex", false, printer, messages, progress));
  QCOMPARE(messages.shown().size(), std::size_t(1));
  QCOMPARE(printer.printer.pageLayout().orientation(), QPageLayout::Portrait);
  const auto words = test::ReadPdfWords(folder / "liste.pdf");
  QVERIFY(std::abs(HeaderEnd(words) - test::PrintUnitsToPoints(2100 - 300)) < 0.3);
  QCOMPARE(test::PdfPageCount(words), 1);
  QCOMPARE(test::FindWords(words, "Deutschland").size(), std::size_t(1));
}

void ListPrintingTest::NarrowGridOrLandscapePaperAsksNothing() {
  test::TempDir folder;
  test::PdfPrinterChoice printer(folder / "liste.pdf");
  // No answer is scripted: any question would fail the printout.
  test::ScriptedMessages messages;
  NoProgress progress;
  WideList narrow(8);
  QVERIFY(PrintShownList(narrow.list, "Korvex", false, printer, messages, progress));
  printer.printer.setPageOrientation(QPageLayout::Landscape);
  WideList wide(20);
  QVERIFY(PrintShownList(wide.list, "Korvex", false, printer, messages, progress));
  QVERIFY(messages.shown().empty());
}

void ListPrintingTest::CancelledDialogPrintsNothing() {
  test::TempDir folder;
  test::PdfPrinterChoice printer(folder / "liste.pdf");
  printer.cancel = true;
  test::ScriptedMessages messages;
  NoProgress progress;
  WideList wide(12);
  QVERIFY(!PrintShownList(wide.list, "Korvex", true, printer, messages, progress));
  QVERIFY(messages.shown().empty());
  QVERIFY(!std::filesystem::exists(folder / "liste.pdf"));
}

void ListPrintingTest::WithoutPrintersThePrintoutGoesIntoAPdfFile() {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has printers installed");
  test::TempDir folder;
  test::ScriptedMessages messages;
  int asked = 0;
  const auto pdf = folder / "ohne Drucker.pdf";
  SystemPrinterChoice printers(messages, [&]() -> std::optional<QString> {
    ++asked;
    return QString::fromStdString(pdf.string());
  }, nullptr);
  NoProgress progress;
  WideList narrow(3);
  QVERIFY(PrintShownList(narrow.list, "Korvex", true, printers, messages, progress));
  QCOMPARE(asked, 1);
  QCOMPARE(messages.texts(), std::vector<std::string>{kNoPrinterMessage});
  QCOMPARE(test::FindWords(test::ReadPdfWords(pdf), "Deutschland").size(), std::size_t(1));

  SystemPrinterChoice refused(messages, [] { return std::optional<QString>(); }, nullptr);
  QVERIFY(refused.Choose(false, "Korvex") == nullptr);
}

void ListPrintingTest::EscapeAbortsAndOtherInputWaits() {
  QWidget window;
  auto* button = new QPushButton(QStringLiteral("Neu"), &window);
  int clicks = 0;
  connect(button, &QPushButton::clicked, [&] { ++clicks; });
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  bool closed = false;
  {
    PrintAbortWatch watch;
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_A);
    closed = window.close();
    QTest::qWait(60);
    QVERIFY(!watch.Aborted());
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::qWait(60);
    QVERIFY(watch.Aborted());
  }
  QCOMPARE(clicks, 0);
  QVERIFY(!closed);
  QVERIFY(window.isVisible());
  // Once the printout is over, input reaches the window again.
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(clicks, 1);
}

void ListPrintingTest::MainWindowPrintsItsGridAndOpensTheStatistics() {
  test::MainWindowHarness harness;
  test::PdfPrinterChoice printer(harness.folder() / "hauptfenster.pdf");
  harness.printers = &printer;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  QVERIFY(test::Enabled(window, "SpeedDruck"));
  QVERIFY(test::Enabled(window, "MenuDateiDrucken"));
  QVERIFY(test::Enabled(window, "SpeedGesamt"));

  // The sample's area shows ten columns: both printouts ask for landscape paper, and No keeps
  // the portrait sheet.
  harness.messages.Answer(MessageAnswer::kNo);
  harness.messages.Answer(MessageAnswer::kNo);
  test::Trigger(window, "SpeedDruck");
  QCOMPARE(printer.requests.size(), std::size_t(1));
  QVERIFY(!printer.requests[0].with_dialog);
  QCOMPARE(printer.requests[0].title, window.windowTitle());
  const auto words = test::ReadPdfWords(harness.folder() / "hauptfenster.pdf");
  // The rows of area 1 as the grid shows them, and its pieces total.
  const GridView& grid = window.Grid();
  QCOMPARE(grid.ShownCount(), 3);
  for (int row = 1; row <= grid.ShownCount(); ++row) {
    const std::string item = grid.CellText(row, 0, window.Format());
    if (!item.empty()) QVERIFY(!test::FindWords(words, Win1252ToUtf8(item)).empty());
  }
  QCOMPARE(words.at(2).text, std::string("Deutschland"));
  // The status bar shows its panels again.
  QVERIFY(!window.Statuszeile()->currentMessage().contains(QStringLiteral("Fertig")));

  test::Trigger(window, "MenuDateiDrucken");
  QCOMPARE(printer.requests.size(), std::size_t(2));
  QVERIFY(printer.requests[1].with_dialog);
  QVERIFY(harness.messages.AllAnswersUsed());

  bool seen = false;
  int rows = 0;
  test::WhenModalShown<gui::TGesamtfenster>(
      [&](gui::TGesamtfenster& statistics) {
        rows = statistics.GesamtGrid->rowCount();
        statistics.ButtonOk->click();
      },
      &seen);
  test::Trigger(window, "SpeedGesamt");
  QVERIFY(seen);
  QCOMPARE(rows, 4);  // headings and three areas
  harness.messages.Answer(MessageAnswer::kYes);
  QVERIFY(harness.Close());
}
