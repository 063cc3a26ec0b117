#include "dialogs/gui/tmainform_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <filesystem>

#include "common/modalhelper.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "dialogs/gui/teditform.h"
#include "dialogs/gui/tmainform.h"
#include "dialogs/lookuplists.h"
#include "dialogs/lookuporder.h"

using korvex::LookupList;
using korvex::LookupLists;
using korvex::gui::TEditform;
using korvex::gui::TMainform;
using korvex::test::ScriptedMessages;
using korvex::test::TempDir;
using korvex::test::WhenModalShown;

namespace {

LookupLists SampleLists() {
  LookupLists lists;
  lists[LookupList::kHaendler] = {"Zeller", "adler", "M\xFCller"};
  lists[LookupList::kQualitaet] = {"vz=vorz\xFCglich", "ss=sehr sch\xF6n"};
  lists[LookupList::kLegierungen] = {"Gold"};
  return lists;
}

QStringList Column(const QTableWidget& grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid.rowCount(); ++row) texts << grid.item(row, column)->text();
  return texts;
}

void Choose(TMainform& editor, LookupList list) {
  editor.Auswahl->setCurrentIndex(static_cast<int>(list));
}

// Answers the entry editor that the next click opens.
void TypeIntoEditor(const QString& code, const QString& text) {
  WhenModalShown<TEditform>([code, text](TEditform& editor) {
    QCOMPARE(editor.windowTitle(), QString("Editieren"));
    if (!code.isNull()) editor.Kuerzel->setText(code);
    editor.Satz->setText(text);
    QTest::mouseClick(editor.OKBtn, Qt::LeftButton);
  });
}

}  // namespace

void TMainformTest::ShowsSortedCopiesOfChosenList() {
  ScriptedMessages messages;
  TempDir dir;
  const LookupLists present = SampleLists();
  TMainform editor(present, messages, nullptr, dir / "korvex.ini");
  QCOMPARE(editor.windowTitle(), QString("Korvex Hilfsdatenbanken"));
  QCOMPARE(editor.Auswahl->count(), 13);
  QCOMPARE(editor.Auswahl->currentText(), QString("Aufbewahrungsorte"));
  QCOMPARE(editor.Auswahl->itemText(12), QString::fromUtf8("Münzthemen"));
  QCOMPARE(editor.StringGrid1->rowCount(), 0);

  Choose(editor, LookupList::kHaendler);
  QCOMPARE(Column(*editor.StringGrid1, 0),
           (QStringList{"adler", QString::fromUtf8("Müller"), "Zeller"}));
  QCOMPARE(editor.StringGrid1->columnCount(), 1);
  QCOMPARE(editor.StringGrid1->columnWidth(0), 270);
  QCOMPARE(editor.StringGrid1->selectionBehavior(), QAbstractItemView::SelectRows);

  Choose(editor, LookupList::kQualitaet);
  QCOMPARE(editor.StringGrid1->columnCount(), 2);
  QCOMPARE(editor.StringGrid1->columnWidth(0), 50);
  QCOMPARE(editor.StringGrid1->columnWidth(1), 220);
  QCOMPARE(Column(*editor.StringGrid1, 0), (QStringList{"ss", "vz"}));
  QCOMPARE(Column(*editor.StringGrid1, 1),
           (QStringList{QString::fromUtf8("sehr schön"), QString::fromUtf8("vorzüglich")}));
  // The editor works on copies.
  QVERIFY(present == SampleLists());
}

void TMainformTest::AddKeepsListSorted() {
  ScriptedMessages messages;
  TempDir dir;
  TMainform editor(SampleLists(), messages, nullptr, dir / "korvex.ini");
  Choose(editor, LookupList::kHaendler);
  WhenModalShown<TEditform>([](TEditform& form) {
    QVERIFY(form.Kuerzel->isHidden());
    QVERIFY(form.Satz->text().isEmpty());
    form.Satz->setText(QString::fromUtf8("Bäcker"));
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
  });
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  const std::vector<std::string> expected = {"adler", "B\xE4" "cker", "M\xFCller", "Zeller"};
  QCOMPARE(editor.Lists()[LookupList::kHaendler], expected);
  QCOMPARE(editor.StringGrid1->rowCount(), 4);
  QCOMPARE(editor.StringGrid1->currentRow(), 1);

  // Duplicates and empty texts are taken as typed.
  TypeIntoEditor(QString(), "adler");
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  TypeIntoEditor(QString(), "");
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  const std::vector<std::string>& dealers = editor.Lists()[LookupList::kHaendler];
  QCOMPARE(dealers.size(), size_t{6});
  QCOMPARE(std::count(dealers.begin(), dealers.end(), std::string("adler")), 2L);
  QVERIFY(std::is_sorted(dealers.begin(), dealers.end(), [](const auto& a, const auto& b) {
    return korvex::CompareLookupText(a, b) < 0;
  }));
}

void TMainformTest::AddQualityPairWithCode() {
  ScriptedMessages messages;
  TempDir dir;
  TMainform editor(SampleLists(), messages, nullptr, dir / "korvex.ini");
  Choose(editor, LookupList::kQualitaet);
  WhenModalShown<TEditform>([](TEditform& form) {
    QVERIFY(!form.Kuerzel->isHidden());
    form.Kuerzel->setText("st");
    form.Satz->setText("Stempelglanz");
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
  });
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  const std::vector<std::string> expected = {"ss=sehr sch\xF6n", "st=Stempelglanz",
                                             "vz=vorz\xFCglich"};
  QCOMPARE(editor.Lists()[LookupList::kQualitaet], expected);
  QCOMPARE(editor.StringGrid1->item(1, 0)->text(), QString("st"));
  QCOMPARE(editor.StringGrid1->item(1, 1)->text(), QString("Stempelglanz"));
}

void TMainformTest::DoubleClickEditsEntryAndResorts() {
  ScriptedMessages messages;
  TempDir dir;
  TMainform editor(SampleLists(), messages, nullptr, dir / "korvex.ini");
  Choose(editor, LookupList::kQualitaet);
  // Row 1 is "vz"; the editor opens with its code and long name.
  WhenModalShown<TEditform>([](TEditform& form) {
    QCOMPARE(form.Kuerzel->text(), QString("vz"));
    QCOMPARE(form.Satz->text(), QString::fromUtf8("vorzüglich"));
    form.Kuerzel->setText("a");
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
  });
  emit editor.StringGrid1->cellDoubleClicked(1, 0);
  const std::vector<std::string> expected = {"a=vorz\xFCglich", "ss=sehr sch\xF6n"};
  QCOMPARE(editor.Lists()[LookupList::kQualitaet], expected);
  QCOMPARE(editor.StringGrid1->item(0, 0)->text(), QString("a"));

  // A double click below the entries does nothing.
  Choose(editor, LookupList::kAufbewahrung);
  emit editor.StringGrid1->cellDoubleClicked(0, 0);
  QVERIFY(editor.Lists()[LookupList::kAufbewahrung].empty());
}

void TMainformTest::CancelledEditorChangesNothing() {
  ScriptedMessages messages;
  TempDir dir;
  TMainform editor(SampleLists(), messages, nullptr, dir / "korvex.ini");
  Choose(editor, LookupList::kLegierungen);
  WhenModalShown<TEditform>([](TEditform& form) {
    form.Satz->setText("Silber");
    form.reject();  // Esc or the window's close button
  });
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  WhenModalShown<TEditform>([](TEditform& form) {
    form.Satz->setText("Platin");
    form.reject();
  });
  emit editor.StringGrid1->cellDoubleClicked(0, 0);
  QCOMPARE(editor.Lists()[LookupList::kLegierungen], std::vector<std::string>{"Gold"});
}

void TMainformTest::DeleteRemovesSelectedEntry() {
  ScriptedMessages messages;
  TempDir dir;
  TMainform editor(SampleLists(), messages, nullptr, dir / "korvex.ini");
  Choose(editor, LookupList::kHaendler);
  editor.StringGrid1->selectRow(1);
  QTest::mouseClick(editor.BitBtn4, Qt::LeftButton);
  QCOMPARE(editor.Lists()[LookupList::kHaendler],
           (std::vector<std::string>{"adler", "Zeller"}));
  QCOMPARE(Column(*editor.StringGrid1, 0), (QStringList{"adler", "Zeller"}));

  // With no entry in the grid nothing happens.
  Choose(editor, LookupList::kThemen);
  QTest::mouseClick(editor.BitBtn4, Qt::LeftButton);
  QVERIFY(editor.Lists()[LookupList::kThemen].empty());
  QCOMPARE(editor.Lists()[LookupList::kHaendler].size(), size_t{2});
}

void TMainformTest::OkWritesEditedListsAndCancelWritesNothing() {
  ScriptedMessages messages;
  TempDir dir;
  const std::filesystem::path file = dir / "korvex.ini";
  {
    TMainform editor(SampleLists(), messages, nullptr, file);
    Choose(editor, LookupList::kLegierungen);
    TypeIntoEditor(QString(), "Silber");
    QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
    QTest::mouseClick(editor.BitBtn2, Qt::LeftButton);
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QVERIFY(!std::filesystem::exists(file));
  }
  TMainform editor(SampleLists(), messages, nullptr, file);
  Choose(editor, LookupList::kLegierungen);
  TypeIntoEditor(QString(), "Silber");
  QTest::mouseClick(editor.BitBtn3, Qt::LeftButton);
  QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
  QCOMPARE(editor.result(), int(QDialog::Accepted));
  const LookupLists reloaded = korvex::LoadLookupLists(file);
  QCOMPARE(reloaded[LookupList::kLegierungen], (std::vector<std::string>{"Gold", "Silber"}));
  QVERIFY(reloaded == editor.Lists());
  QVERIFY(messages.shown().empty());
}

void TMainformTest::UnwritableFileKeepsEditorOpen() {
  ScriptedMessages messages;
  TempDir dir;
  // A file where the folder should be makes the lookup file unwritable, also for root.
  korvex::test::WriteFileBytes(dir / "blocked", "");
  TMainform editor(SampleLists(), messages, nullptr, dir / "blocked" / "korvex.ini");
  editor.show();
  QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
  QVERIFY(editor.isVisible());
  QCOMPARE(messages.shown().size(), size_t{1});
  QVERIFY(messages.shown()[0].kind == korvex::MessageKind::kError);
  QVERIFY(messages.shown()[0].text.find("korvex.ini") != std::string::npos);
  QTest::mouseClick(editor.BitBtn2, Qt::LeftButton);
  QVERIFY(!editor.isVisible());
}

void TMainformTest::EditformCodeRefusesEqualsSign() {
  TEditform form(true);
  QTest::keyClicks(form.Kuerzel, "v=z");
  QCOMPARE(form.Kuerzel->text(), QString("vz"));
  form.SetEntry("ss", "sehr sch\xF6n");
  QCOMPARE(form.Satz->text(), QString::fromUtf8("sehr schön"));
  form.Satz->setText(QString::fromUtf8("prägefrisch"));
  QCOMPARE(form.Text(), std::string("pr\xE4gefrisch"));
  QCOMPARE(form.Code(), std::string("ss"));
}
