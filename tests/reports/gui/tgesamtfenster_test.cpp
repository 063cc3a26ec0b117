#include "reports/gui/tgesamtfenster_test.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "dialogs/windowplaces.h"
#include "reports/gui/pdfprinters.h"
#include "reports/gui/tgesamtfenster.h"
#include "reports/pdfwords.h"
#include "common/coinbuilder.h"

using namespace korvex;
using korvex::gui::TGesamtfenster;

namespace {

// Coins of "Deutschland": 2 pieces at 10 (paid 8, estimate 12) and a missing one (count 0)
// that was expensive; "Österreich" has none; "Schweiz" lost value: 1 piece at 5, paid 20.
std::unique_ptr<test::DocumentBuilder> Collection() {
  auto builder = std::make_unique<test::DocumentBuilder>();
  builder->AddArea("Deutschland");
  builder->AddArea("Österreich");
  builder->AddArea("Schweiz");
  builder->AddCoin(1, [](TDaten& coin) {
    coin.count = 2;
    coin.catalogue = 10;
    coin.purchaseprice = 8;
    coin.estimate = 12;
  });
  builder->AddCoin(1, [](TDaten& coin) {
    coin.count = 0;
    coin.catalogue = 1000;
    coin.purchaseprice = 900;
    coin.estimate = 950;
  });
  builder->AddCoin(3, [](TDaten& coin) {
    coin.count = 1;
    coin.catalogue = 5;
    coin.purchaseprice = 20;
  });
  builder->document().SetFileName("/sammlungen/Meine.mvc");
  return builder;
}

// A statistics window over `document`, shown, with its figures computed.
struct OpenWindow {
  explicit OpenWindow(const CollectionDocument& document)
      : printer(folder / "statistik.pdf"),
        window(document, FormatSettings::German(), 9, places, printer, messages) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }

  QString Cell(int row, int column) const {
    const QTableWidgetItem* item = window.GesamtGrid->item(row, column);
    return item ? item->text() : QString();
  }
  QStringList Row(int row) const {
    QStringList cells;
    for (int column = 1; column < 6; ++column) cells << Cell(row, column);
    return cells;
  }
  QStringList Totals() const {
    return {window.LabelStueck->text(), window.Labelpreis->text(), window.Labelkaufpreis->text(),
            window.LabelSchaetzwert->text(), window.LabelWertst->text()};
  }

  test::TempDir folder;
  WindowPlaces places;
  test::ScriptedMessages messages;
  test::PdfPrinterChoice printer;
  TGesamtfenster window;
};

}  // namespace

void TGesamtfensterTest::FiguresPerAreaAndInTotal() {
  auto builder = Collection();
  OpenWindow open(builder->document());
  TGesamtfenster& window = open.window;
  QCOMPARE(window.windowTitle(), QStringLiteral("Korvex - Statistik"));
  QCOMPARE(window.GesamtGrid->rowCount(), 4);
  QCOMPARE(window.GesamtGrid->columnCount(), 6);
  QCOMPARE(open.Row(0), (QStringList{"Stück", "Katalogwert", "Kaufpreis", "Schätzwert", "Wertst. "}));
  QCOMPARE(open.Cell(0, 0), QString());
  QCOMPARE(open.Cell(1, 0), QStringLiteral("Deutschland"));
  QCOMPARE(open.Cell(3, 0), QStringLiteral("Schweiz"));
  QCOMPARE(open.Row(1), (QStringList{"2 Stck", "20,00 €", "16,00 €", "24,00 €", "25,00 %"}));
  QCOMPARE(window.Label1->text(), QStringLiteral("Gesamte Sammlung:"));
  QCOMPARE(open.Totals(), (QStringList{"3 Stck", "25,00 €", "36,00 €", "24,00 €", "-30,56 %"}));
  QCOMPARE(window.LabelPositionen->text(), QStringLiteral("Die Datei enthält 3 Positionen."));
  QCOMPARE(window.ButtonDrucken->text(), QStringLiteral("&Drucken"));
  QCOMPARE(window.ButtonOk->text(), QStringLiteral("&Ok"));
}

void TGesamtfensterTest::EdgeCasesOfTheFigures() {
  auto builder = Collection();
  // A coin whose purchase price is negative leaves the purchase sum below zero.
  builder->AddCoin(2, [](TDaten& coin) {
    coin.count = 1;
    coin.catalogue = 3;
    coin.purchaseprice = -4;
  });
  OpenWindow open(builder->document());
  // The count-0 coin is a position but adds nothing.
  QCOMPARE(open.Row(1), (QStringList{"2 Stck", "20,00 €", "16,00 €", "24,00 €", "25,00 %"}));
  QCOMPARE(open.window.LabelPositionen->text(), QStringLiteral("Die Datei enthält 4 Positionen."));
  QCOMPARE(open.Row(2), (QStringList{"1 Stck", "3,00 €", "-4,00 €", "0,00 €", "---"}));
  // Catalogue value below the purchase price: a negative increase.
  QCOMPARE(open.Row(3), (QStringList{"1 Stck", "5,00 €", "20,00 €", "0,00 €", "-75,00 %"}));

  auto only_free = std::make_unique<test::DocumentBuilder>();
  only_free->AddArea("Geschenke");
  only_free->AddCoin(1, [](TDaten& coin) {
    coin.count = 5;
    coin.catalogue = 2;
  });
  OpenWindow free(only_free->document());
  // Nothing paid: no increase, in the area and in the total.
  QCOMPARE(free.Row(1).last(), QStringLiteral("---"));
  QCOMPARE(free.Totals().last(), QStringLiteral("---"));
}

void TGesamtfensterTest::EmptyCollection() {
  test::DocumentBuilder builder;
  builder.AddArea("Deutschland");
  builder.AddArea("Österreich");
  OpenWindow open(builder.document());
  QCOMPARE(open.window.GesamtGrid->rowCount(), 3);
  for (int row = 1; row <= 2; ++row) {
    QCOMPARE(open.Row(row), (QStringList{"0 Stck", "0,00 €", "0,00 €", "0,00 €", "---"}));
  }
  QCOMPARE(open.Totals(), (QStringList{"0 Stck", "0,00 €", "0,00 €", "0,00 €", "---"}));
  QCOMPARE(open.window.LabelPositionen->text(), QStringLiteral("Die Datei enthält 0 Positionen."));
  // A later activation computes nothing anew.
  open.window.GesamtGrid->item(1, 1)->setText(QStringLiteral("x"));
  open.window.hide();
  open.window.show();
  QCOMPARE(open.Cell(1, 1), QStringLiteral("x"));
}

void TGesamtfensterTest::GeometryIsRememberedAndColumnsShareTheWidth() {
  auto builder = Collection();
  test::TempDir folder;
  WindowPlaces places;
  places.Gesamt_Links = 40;
  places.Gesamt_Oben = 30;
  places.Gesamt_Hoehe = 300;
  test::ScriptedMessages messages;
  test::PdfPrinterChoice printer(folder / "s.pdf");
  TGesamtfenster window(builder->document(), FormatSettings::German(), 9, places, printer, messages);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.minimumSize(), QSize(640, 250));
  QCOMPARE(window.height(), 300);
  QCOMPARE(window.pos(), QPoint(40, 30));

  window.resize(910, 400);
  QTest::qWait(20);
  const int grid_width = window.GesamtGrid->viewport()->width();
  const int share = grid_width / 7;
  QCOMPARE(window.GesamtGrid->columnWidth(5), share);
  QCOMPARE(window.GesamtGrid->columnWidth(1), share);
  QCOMPARE(window.GesamtGrid->columnWidth(0), grid_width - 5 * share);
  // Each total stands under its column and ends where the column's figures end.
  const QLabel* totals[] = {window.LabelStueck, window.Labelpreis, window.Labelkaufpreis,
                            window.LabelSchaetzwert, window.LabelWertst};
  for (int column = 1; column <= 5; ++column) {
    const QLabel* label = totals[column - 1];
    const int column_left = window.GesamtGrid->viewport()->mapTo(&window, QPoint(0, 0)).x() +
                            window.GesamtGrid->columnViewportPosition(column);
    QCOMPARE(label->mapTo(&window, QPoint(0, 0)).x(), column_left);
    QCOMPARE(label->width(), share - 4);
    QVERIFY(label->alignment() & Qt::AlignRight);
  }
  // The grid fills the window above the panel.
  QCOMPARE(window.GesamtGrid->height() + window.Panel1->height(), window.height());

  window.move(70, 60);
  window.resize(700, 333);
  QTest::qWait(20);
  window.accept();
  QCOMPARE(places.Gesamt_Links, window.x());
  QCOMPARE(places.Gesamt_Oben, window.y());
  QCOMPARE(places.Gesamt_Hoehe, 333);
}

void TGesamtfensterTest::TallWindowFitsTheScreen() {
  auto builder = Collection();
  test::TempDir folder;
  WindowPlaces places;
  places.Gesamt_Hoehe = 20000;
  test::ScriptedMessages messages;
  test::PdfPrinterChoice printer(folder / "s.pdf");
  TGesamtfenster window(builder->document(), FormatSettings::German(), 9, places, printer, messages);
  const int screen = QGuiApplication::primaryScreen()->availableGeometry().height();
  QCOMPARE(window.height(), std::max(250, screen - 30));
}

void TGesamtfensterTest::ButtonDruckenPrintsTheStatistics() {
  auto builder = Collection();
  OpenWindow open(builder->document());
  open.printer.cancel = true;
  QTest::mouseClick(open.window.ButtonDrucken, Qt::LeftButton);
  QCOMPARE(open.printer.requests.size(), std::size_t(1));
  QVERIFY(open.printer.requests[0].with_dialog);
  QVERIFY(!std::filesystem::exists(open.folder / "statistik.pdf"));

  QTest::mouseClick(open.window.ButtonDrucken, Qt::LeftButton);
  QCOMPARE(open.printer.requests.size(), std::size_t(2));
  QCOMPARE(open.printer.requests[1].title, QStringLiteral("Korvex - Statistik"));
  const auto words = test::ReadPdfWords(open.folder / "statistik.pdf");
  QCOMPARE(test::PdfPageCount(words), 1);
  QCOMPARE(test::FindWords(words, "Schweiz").size(), std::size_t(1));
  QCOMPARE(test::FindWords(words, "-30,56").size(), std::size_t(1));
  QCOMPARE(words.back().text, std::string("Meine"));
  QVERIFY(open.messages.shown().empty());
}

void TGesamtfensterTest::EscapeAndOkClose() {
  auto builder = Collection();
  OpenWindow open(builder->document());
  QTest::keyClick(&open.window, Qt::Key_Escape);
  QVERIFY(!open.window.isVisible());
  open.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&open.window));
  QTest::mouseClick(open.window.ButtonOk, Qt::LeftButton);
  QVERIFY(!open.window.isVisible());
  QCOMPARE(open.window.result(), int(QDialog::Accepted));
}
