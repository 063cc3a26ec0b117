#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "common/guitesthelpers.h"
#include "dialogs/areadocument.h"
#include "dialogs/gui/tkatalognummernamefenster.h"
#include "dialogs/gui/tnummernkreisfenster.h"

namespace korvex {
namespace {

using gui::TKatalognummernameFenster;
using gui::TNummernkreisfenster;
using test::AddArea;
using test::AddCoin;
using test::NumberedCoin;
using test::WhenShown;

void Choose(TNummernkreisfenster* dialog, int first, int second, int third) {
  dialog->ComboBox1->setCurrentIndex(first);
  dialog->ComboBox2->setCurrentIndex(second);
  dialog->ComboBox3->setCurrentIndex(third);
}

}  // namespace

class NumberingDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void numberRangeDialogForOneArea() {
    TNummernkreisfenster dialog({0, 2, 1}, false);
    QCOMPARE(dialog.windowTitle(), QString("Nummernkreise"));
    QCOMPARE(dialog.Text->text(), QString::fromUtf8("Bitte wählen Sie aus, welche drei Nummernkreise "
                                                    "in der gespeicherten Datei vorhanden sind:"));
    QVERIFY(dialog.Text->wordWrap());
    const QStringList expected{QString::fromUtf8("Schön-Nr."), "Jaeger-Nr.", "YEOMAN-Nr.", "RIC-Nr.",
                               "Cohen-Nr.", "(freier Katalog)"};
    for (QComboBox* list : {dialog.ComboBox1, dialog.ComboBox2, dialog.ComboBox3}) {
      QStringList items;
      for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
      QCOMPARE(items, expected);
      QVERIFY(!list->isEditable());
    }
    QCOMPARE(dialog.ComboBox2->currentIndex(), 2);
    QVERIFY(!dialog.AlleKategorien->isChecked());
    QVERIFY(!dialog.AlleKategorien->isHidden());
    QCOMPARE(dialog.AlleKategorien->text(), QString::fromUtf8("Gilt für alle Kategorien"));
    Choose(&dialog, 3, 5, 3);
    dialog.AlleKategorien->click();
    const NumberRangeChoice choice = dialog.Choice();
    QCOMPARE(choice.kinds, (std::array<int, 3>{3, 5, 3}));
    QVERIFY(choice.all_areas);
  }

  void numberRangeDialogForAllAreas() {
    TNummernkreisfenster dialog({1, 9, 4}, true);
    QVERIFY(dialog.AlleKategorien->isChecked());
    QVERIFY(dialog.AlleKategorien->isHidden());
    // A slot kind outside the catalogues selects nothing and stays unchosen.
    QCOMPARE(dialog.ComboBox2->currentIndex(), -1);
    QCOMPARE(dialog.Choice().kinds, (std::array<int, 3>{1, -1, 4}));
  }

  void helpButtonNeedsAHelpViewer() {
    TNummernkreisfenster without({0, 2, 1}, false);
    QVERIFY(!without.ButtonHilfe->isEnabled());
    std::vector<int> contexts;
    TNummernkreisfenster with({0, 2, 1}, false, nullptr, [&](int context) { contexts.push_back(context); });
    QVERIFY(with.ButtonHilfe->isEnabled());
    QTest::mouseClick(with.ButtonHilfe, Qt::LeftButton);
    QCOMPARE(contexts, std::vector<int>{9999});
  }

  void reassignOneArea() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    TDaten& a = NumberedCoin(document, 1);
    TDaten& b = NumberedCoin(document, 2);
    b.ric = "R1";
    WhenShown<TNummernkreisfenster>([](TNummernkreisfenster* dialog) {
      QCOMPARE(dialog->ComboBox1->currentIndex(), 0);
      QCOMPARE(dialog->ComboBox2->currentIndex(), 2);
      QCOMPARE(dialog->ComboBox3->currentIndex(), 1);
      Choose(dialog, 1, 0, 4);
      dialog->ButtonOK->click();
    });
    QVERIFY(gui::ReassignNumberRangesForArea(document, 2, nullptr));
    QCOMPARE(b.jaeger, std::string("12"));
    QCOMPARE(b.schoen, std::string("Y5"));
    QCOMPARE(b.cohen, std::string("J7"));
    QCOMPARE(b.yeoman, std::string());
    // The area's slots do not use RIC, so its RIC number stays.
    QCOMPARE(b.ric, std::string("R1"));
    QCOMPARE(document.Area(2)->number_kind, (std::array<int32_t, 3>{1, 0, 4}));
    QCOMPARE(a.schoen, std::string("12"));
    QCOMPARE(document.Area(1)->number_kind, (std::array<int32_t, 3>{0, 2, 1}));
    QVERIFY(document.modified());
  }

  void reassignOneAreaForAllWhenTicked() {
    CollectionDocument document;
    AddArea(document, "A");
    AddArea(document, "B");
    TDaten& a = NumberedCoin(document, 1);
    WhenShown<TNummernkreisfenster>([](TNummernkreisfenster* dialog) {
      Choose(dialog, 3, 0, 1);
      dialog->AlleKategorien->click();
      dialog->ButtonOK->click();
    });
    QVERIFY(gui::ReassignNumberRangesForArea(document, 2, nullptr));
    QCOMPARE(a.ric, std::string("12"));
    QCOMPARE(document.Area(1)->number_kind, (std::array<int32_t, 3>{3, 0, 1}));
  }

  void cancelChangesNothing() {
    CollectionDocument document;
    AddArea(document, "A");
    TDaten& coin = NumberedCoin(document, 1);
    WhenShown<TNummernkreisfenster>([](TNummernkreisfenster* dialog) {
      Choose(dialog, 3, 3, 3);
      dialog->ButtonAbbrechen->click();
    });
    QVERIFY(!gui::ReassignNumberRangesForArea(document, 1, nullptr));
    QCOMPARE(coin.schoen, std::string("12"));
    QCOMPARE(document.Area(1)->number_kind, (std::array<int32_t, 3>{0, 2, 1}));
    QVERIFY(!document.modified());
    // Nothing to ask for an area that does not exist.
    QVERIFY(!gui::ReassignNumberRangesForArea(document, 5, nullptr));
  }

  void legacyOfferAssignsAllAreas() {
    CollectionDocument document;
    TKategorie& first = AddArea(document, "A");
    first.SetNumberKind(3, 4);
    AddArea(document, "B");
    TDaten& a = NumberedCoin(document, 1);
    a.cohen = "C3";
    TDaten& b = NumberedCoin(document, 2);
    WhenShown<TNummernkreisfenster>([](TNummernkreisfenster* dialog) {
      QVERIFY(dialog->AlleKategorien->isChecked());
      QVERIFY(dialog->AlleKategorien->isHidden());
      QCOMPARE(dialog->ComboBox3->currentIndex(), 4);  // the first area's kinds
      Choose(dialog, 1, 0, 3);
      dialog->ButtonOK->click();
    });
    gui::DialogLegacyNumberAssignment offer(nullptr);
    LegacyNumberAssignment& assignment = offer;
    assignment.OfferForAllAreas(document);
    QCOMPARE(a.jaeger, std::string("12"));
    QCOMPARE(a.schoen, std::string("Y5"));
    QCOMPARE(a.ric, std::string("C3"));
    QCOMPARE(b.jaeger, std::string("12"));
    QCOMPARE(b.schoen, std::string("Y5"));
    QCOMPARE(b.ric, std::string("J7"));
    for (int id = 1; id <= 2; ++id) {
      QCOMPARE(document.Area(id)->number_kind, (std::array<int32_t, 3>{1, 0, 3}));
    }
  }

  void catalogueNameWindow() {
    TKatalognummernameFenster dialog;
    QCOMPARE(dialog.windowTitle(), QString("Katalognummer"));
    QCOMPARE(dialog.Nummername->text(), QString("Katalognummer"));
    QVERIFY(dialog.windowFlags() & Qt::Tool);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog.Button1->isDefault());
    dialog.show();
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.Button1->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void catalogueNameAskerShowsAndTakesTheName() {
    WhenShown<TKatalognummernameFenster>([](TKatalognummernameFenster* dialog) {
      QCOMPARE(dialog->Nummername->text(), QString::fromUtf8("Krause Münzkatalog"));
      dialog->Nummername->setText(QString::fromUtf8("Jäger-Katalog"));
      dialog->Button1->click();
    });
    gui::DialogCatalogueNameAsker asker(nullptr);
    QCOMPARE(asker.AskCatalogueName("Krause M\xFCnzkatalog"), std::string("J\xE4ger-Katalog"));
  }
};

}  // namespace korvex

QTEST_MAIN(korvex::NumberingDialogsTest)
#include "numberingdialogs_test.moc"
