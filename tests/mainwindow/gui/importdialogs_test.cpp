// The real dialogs behind the import questions and the catalogue-number commands, driven the way
// a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/modalhelper.h"
#include "common/scriptedmessages.h"
#include "mainwindow/gui/qtmainwindowdialogs.h"
#include "mainwindow/gui/samplecollection.h"

namespace korvex::test {
namespace {

void ClickEntry(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  QVERIFY(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

const std::vector<std::string> kElements = {"Inventarnr.", "Kategorie", "Kaufpreis", "Text"};
const std::vector<std::string> kAreaEntries = {"Deutschland", "\xD6sterreich", "Schweiz"};

}  // namespace

class ImportDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void ElementDialogNeedsAChoiceAndCannotBeEscaped();
  void ElementDialogKeepsThePreviousChoice();
  void AreaDialogAnswersTheSelectedEntry();
  void AreaDialogCheckBoxAndNewButton();
  void NumberRangeCommandShowsTheDialogForTheArea();
  void LegacyOfferShowsTheAllAreasForm();

 private:
  ScriptedMessages messages_;
};

void ImportDialogsTest::ElementDialogNeedsAChoiceAndCannotBeEscaped() {
  QtMainWindowDialogs dialogs(messages_, nullptr);
  const std::string column = "Pr\xE4gung";
  bool seen = false;
  WhenModalShown<gui::TErsatzfenster>(
      [](gui::TErsatzfenster& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Unbekanntes Element"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(dialog.Unbekannt->text(), QString::fromUtf8("Prägung"));
        QVERIFY(dialog.Unbekannt->font().bold());
        QCOMPARE(dialog.ListBox1->count(), 4);
        QCOMPARE(dialog.ListBox1->item(2)->text(), QStringLiteral("Kaufpreis"));
        QVERIFY(!dialog.Ok->isEnabled());
        // Neither Escape nor closing the window gives an answer.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QVERIFY(dialog.isVisible());
        ClickEntry(dialog.ListBox1, 2);
        QVERIFY(dialog.Ok->isEnabled());
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
      },
      &seen);
  const int chosen = dialogs.ImportColumns().ChooseElement({column, kElements, -1});
  QVERIFY(seen);
  QCOMPARE(chosen, 2);
}

void ImportDialogsTest::ElementDialogKeepsThePreviousChoice() {
  QtMainWindowDialogs dialogs(messages_, nullptr);
  const std::string column = "Notiz";
  bool seen = false;
  WhenModalShown<gui::TErsatzfenster>(
      [](gui::TErsatzfenster& dialog) {
        QCOMPARE(dialog.ListBox1->currentRow(), 3);
        QVERIFY(dialog.Ok->isEnabled());
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
      },
      &seen);
  QCOMPARE(dialogs.ImportColumns().ChooseElement({column, kElements, 3}), 3);
  QVERIFY(seen);
}

void ImportDialogsTest::AreaDialogAnswersTheSelectedEntry() {
  QtMainWindowDialogs dialogs(messages_, nullptr);
  const std::string motive = "Adler";
  const std::string name = "Preu\xDF" "en";
  bool seen = false;
  WhenModalShown<gui::TKategoriefenster>(
      [](gui::TKategoriefenster& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Unbekannte Kategorie"));
        QCOMPARE(dialog.Kurzbeschreibung->text(), QStringLiteral("Adler"));
        QVERIFY(dialog.Kurzbeschreibung->font().bold());
        QCOMPARE(dialog.Kat->text(), QString::fromUtf8("Unbekannt: Preußen"));
        QCOMPARE(dialog.ListBox1->item(1)->text(), QString::fromUtf8("Österreich"));
        QVERIFY(dialog.Neu->isEnabled());
        QVERIFY(!dialog.Ok->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        ClickEntry(dialog.ListBox1, 1);
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
      },
      &seen);
  const UnknownAreaAnswer answer = dialogs.ImportAreas().ChooseArea({motive, name, kAreaEntries, true});
  QVERIFY(seen);
  QVERIFY(answer.choice == UnknownAreaAnswer::Choice::kEntry);
  QCOMPARE(answer.entry, 1);
}

void ImportDialogsTest::AreaDialogCheckBoxAndNewButton() {
  QtMainWindowDialogs dialogs(messages_, nullptr);
  const std::string motive = "Krone";
  const std::string empty_name;
  bool seen = false;
  // Ticking the box enables `Ok`, unticking disables it again even with an entry selected;
  // closed ticked, the answer is one area for everything.
  WhenModalShown<gui::TKategoriefenster>(
      [](gui::TKategoriefenster& dialog) {
        QVERIFY(!dialog.Neu->isEnabled());
        QCOMPARE(dialog.Kat->text(), QStringLiteral("Unbekannt: "));
        ClickEntry(dialog.ListBox1, 0);
        QTest::mouseClick(dialog.Ignoriere_Kategorien, Qt::LeftButton);
        QVERIFY(dialog.Ok->isEnabled());
        QTest::mouseClick(dialog.Ignoriere_Kategorien, Qt::LeftButton);
        QVERIFY(!dialog.Ok->isEnabled());
        ClickEntry(dialog.ListBox1, 0);
        QVERIFY(dialog.Ok->isEnabled());
        QTest::mouseClick(dialog.Ignoriere_Kategorien, Qt::LeftButton);
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
      },
      &seen);
  UnknownAreaAnswer answer = dialogs.ImportAreas().ChooseArea({motive, empty_name, kAreaEntries, false});
  QVERIFY(seen);
  QVERIFY(answer.choice == UnknownAreaAnswer::Choice::kIgnoreAreas);

  const std::string name = "Bayern";
  WhenModalShown<gui::TKategoriefenster>(
      [](gui::TKategoriefenster& dialog) { QTest::mouseClick(dialog.Neu, Qt::LeftButton); }, &seen);
  answer = dialogs.ImportAreas().ChooseArea({motive, name, kAreaEntries, true});
  QVERIFY(seen);
  QVERIFY(answer.choice == UnknownAreaAnswer::Choice::kNew);
}

void ImportDialogsTest::NumberRangeCommandShowsTheDialogForTheArea() {
  CollectionDocument doc;
  FillSampleCollection(doc);
  QtMainWindowDialogs dialogs(messages_, nullptr);
  bool seen = false;
  WhenModalShown<gui::TNummernkreisfenster>(
      [](gui::TNummernkreisfenster& dialog) {
        QVERIFY(!dialog.AlleKategorien->isHidden());
        QVERIFY(!dialog.AlleKategorien->isChecked());
        QTest::mouseClick(dialog.ButtonAbbrechen, Qt::LeftButton);
      },
      &seen);
  QVERIFY(!dialogs.ReassignNumberRanges(doc, 2));
  QVERIFY(seen);
  QVERIFY(!doc.modified());

  WhenModalShown<gui::TNummernkreisfenster>(
      [](gui::TNummernkreisfenster& dialog) {
        dialog.ComboBox1->setCurrentIndex(3);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
      },
      &seen);
  QVERIFY(dialogs.ReassignNumberRanges(doc, 2));
  QVERIFY(seen);
  QCOMPARE(doc.areas[1]->number_kind[0], 3);
  QCOMPARE(doc.areas[0]->number_kind[0], 0);
  const TDaten* coin_of_area_2 = doc.first_coin->next->next->next;
  QCOMPARE(coin_of_area_2->category, 2);
  QCOMPARE(coin_of_area_2->ric, std::string("S4"));
  QCOMPARE(doc.first_coin->ric, std::string());
}

void ImportDialogsTest::LegacyOfferShowsTheAllAreasForm() {
  CollectionDocument doc;
  FillSampleCollection(doc);
  QtMainWindowDialogs dialogs(messages_, nullptr);
  bool seen = false;
  WhenModalShown<gui::TNummernkreisfenster>(
      [](gui::TNummernkreisfenster& dialog) {
        QVERIFY(dialog.AlleKategorien->isHidden());
        QVERIFY(dialog.AlleKategorien->isChecked());
        // Schön and Jaeger numbers change places.
        dialog.ComboBox1->setCurrentIndex(1);
        dialog.ComboBox3->setCurrentIndex(0);
        QTest::mouseClick(dialog.ButtonOK, Qt::LeftButton);
      },
      &seen);
  dialogs.LegacyNumbers().OfferForAllAreas(doc);
  QVERIFY(seen);
  for (const auto& area : doc.areas) QCOMPARE(area->number_kind, (std::array<int32_t, 3>{1, 2, 0}));
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    QCOMPARE(coin->jaeger, "S" + coin->item);
  }
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::ImportDialogsTest)
#include "importdialogs_test.moc"
