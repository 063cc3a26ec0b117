// "&Sortierung..." and "Angezeigte Felder..." through the real main window, the dialogs driven as
// the user would drive them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/modalhelper.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/tdatanz.h"
#include "mainwindow/gui/tsortfenster.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "model/codepage.h"

namespace korvex::test {
namespace {

using Keys = std::array<int32_t, 5>;

// The inventory numbers of the grid's rows, top to bottom.
QStringList RowItems(THauptfenster& window) {
  QStringList items;
  for (const TDaten* coin : window.Grid().shown()) items << QString::fromStdString(coin->item);
  return items;
}

std::vector<int> ColumnTypes(const std::vector<TZelle>& columns) {
  std::vector<int> types;
  for (const TZelle& column : columns) types.push_back(column.type);
  return types;
}

// Area 1 of the sample holds "1", "2", "3"; these Schön and Jäger numbers make the two-key sort
// visible: equal Schön numbers, Jäger numbers 1, 3, 2.
void GiveCatalogueNumbers(THauptfenster& window) {
  const char* jaeger[] = {"1", "3", "2"};
  int i = 0;
  for (TDaten* coin = window.Document().first_coin; coin && i < 3; coin = coin->next, ++i) {
    coin->schoen = "S";
    coin->jaeger = jaeger[i];
  }
}

template <typename Change>
void StoreSettings(MainWindowHarness& harness, Change change) {
  ProgramSettings settings;
  change(settings);
  QVERIFY(WriteSettings(harness.store(), settings));
}

// Runs "Angezeigte Felder..." with `action` working the dialog.
void ChooseFields(THauptfenster& window, std::function<void(TDatAnz&)> action) {
  bool seen = false;
  WhenModalShown<TDatAnz>(std::move(action), &seen);
  Trigger(window, "MenuAnsichtFelder");
  QVERIFY(seen);
}

void Tick(TDatAnz& dialog, int type, bool ticked) { dialog.Feld(type)->setChecked(ticked); }

}  // namespace

class ViewCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void SortDialogOpensInFreeModeAndStoresADescendingSecondKey();
  void StandardOrderStoresNoKeys();
  void SortDialogAbbruchChangesNothing();
  void HeaderClickDoesNotSort();
  void TickedFieldsAreAppendedInTheirOrderAtWidth100();
  void UntickedColumnGoesAndTheOthersKeepTheirWidths();
  void AlignmentChoiceStaysAfterAbbruch();
  void OkNeedsATickedBox();
  void UniformLayoutIsOfferedPerSetting();
  void DifferentLayoutsAreKeptWithoutTheSetting();
};

void ViewCommandsTest::SortDialogOpensInFreeModeAndStoresADescendingSecondKey() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sort.mvc").string()});
  GiveCatalogueNumbers(window);
  window.Document().sort_keys = {3, 4, 65535, 0, 0};
  window.Document().standard_order = true;
  QCOMPARE(window.Action("MenuAnsichtSortierung")->shortcut(), QKeySequence(Qt::Key_F9));
  QVERIFY(Enabled(window, "SpeedSortierung"));

  bool seen = false;
  WhenModalShown<TSortFenster>([](TSortFenster& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sortierung der Artikel"));
    QVERIFY(dialog.FreieSort->isChecked());
    QVERIFY(dialog.GroupBox[0]->isEnabled());
    QCOMPARE(dialog.Sortierung[0]->count(), 47);
    QCOMPARE(dialog.Sortierung[0]->itemText(8), QStringLiteral("(Freier Katalog)"));
    QCOMPARE(dialog.Sortierung[0]->currentText(), QStringLiteral("Schön-Nummer"));
    QCOMPARE(dialog.Sortierung[1]->currentText(), QStringLiteral("Jäger-Nummer"));
    for (int row = 2; row < 5; ++row) QCOMPARE(dialog.Sortierung[row]->currentIndex(), 0);
    QVERIFY(dialog.SortAuf[1]->isChecked());
    dialog.SortAb[1]->click();
    dialog.OK->click();
  }, &seen);
  Trigger(window, "SpeedSortierung");
  QVERIFY(seen);
  QCOMPARE(window.Document().sort_keys, (Keys{3, -4, 65535, 65535, 65535}));
  QVERIFY(!window.Document().standard_order);
  QVERIFY(window.Document().modified());
  // Jäger numbers 3, 2, 1 from the top.
  QCOMPARE(RowItems(window), (QStringList{"2", "3", "1"}));
}

void ViewCommandsTest::StandardOrderStoresNoKeys() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Standard.mvc").string()});
  window.Document().sort_keys = {-16, 65535, 65535, 65535, 65535};
  window.Document().standard_order = false;
  window.Document().first_coin->schoen = "S9";  // item "1" now sorts last by Schön number

  bool seen = false;
  WhenModalShown<TSortFenster>([](TSortFenster& dialog) {
    QVERIFY(dialog.FreieSort->isChecked());
    QCOMPARE(dialog.Sortierung[0]->currentText(), QStringLiteral("Prägejahr"));
    QVERIFY(dialog.SortAb[0]->isChecked());
    dialog.Standardsort->click();
    QVERIFY(!dialog.GroupBox[0]->isEnabled());
    QVERIFY(!dialog.Sortierung[4]->isEnabled());
    QCOMPARE(dialog.Sortierung[0]->currentIndex(), 0);
    dialog.OK->click();
  }, &seen);
  Trigger(window, "MenuAnsichtSortierung");
  QVERIFY(seen);
  QCOMPARE(window.Document().sort_keys, (Keys{65535, 65535, 65535, 65535, 65535}));
  QVERIFY(window.Document().standard_order);
  QCOMPARE(RowItems(window), (QStringList{"2", "3", "1"}));

  // Opened again with all keys empty, the dialog stays in standard mode and OK keeps it so.
  WhenModalShown<TSortFenster>([](TSortFenster& dialog) {
    QVERIFY(dialog.Standardsort->isChecked());
    QVERIFY(!dialog.GroupBox[2]->isEnabled());
    dialog.OK->click();
  }, &seen);
  Trigger(window, "SpeedSortierung");
  QCOMPARE(window.Document().sort_keys, (Keys{65535, 65535, 65535, 65535, 65535}));
  QVERIFY(window.Document().standard_order);
}

void ViewCommandsTest::SortDialogAbbruchChangesNothing() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Abbruch.mvc").string()});
  GiveCatalogueNumbers(window);
  window.Document().sort_keys = {4, 65535, 65535, 65535, 65535};
  window.Document().standard_order = false;
  const QStringList before = RowItems(window);
  WhenModalShown<TSortFenster>([](TSortFenster& dialog) {
    dialog.SortAb[0]->click();
    dialog.Abbruch->click();
  });
  Trigger(window, "SpeedSortierung");
  QCOMPARE(window.Document().sort_keys, (Keys{4, 65535, 65535, 65535, 65535}));
  QVERIFY(!window.Document().modified());
  QCOMPARE(RowItems(window), before);
}

void ViewCommandsTest::HeaderClickDoesNotSort() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Kopf.mvc").string()});
  GiveCatalogueNumbers(window);
  const QStringList before = RowItems(window);
  QHeaderView* header = window.Datenbereich()->horizontalHeader();
  const int jaeger_column = 1;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(jaeger_column) + 5, header->height() / 2));
  QCOMPARE(RowItems(window), before);
  QVERIFY(!window.Document().modified());
}

void ViewCommandsTest::TickedFieldsAreAppendedInTheirOrderAtWidth100() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Felder.mvc").string()});
  const std::vector<TZelle> before = ViewColumns(window.Document());
  QCOMPARE(before.size(), size_t{10});
  ChooseFields(window, [](TDatAnz& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Angezeigte Felder"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog.Feld(kSchoen)->isChecked());
    QVERIFY(!dialog.Feld(kCountry)->isChecked());
    QCOMPARE(dialog.Feld(kCountry)->text(), QStringLiteral("Land"));
    QCOMPARE(dialog.Ausr_Feld->count(), 46);
    QCOMPARE(dialog.Ausr_Feld->currentText(), QStringLiteral("Qualität"));
    // Ticked in the opposite order of their places in the append order.
    Tick(dialog, kCountry, true);
    Tick(dialog, kCity, true);
    dialog.OK->click();
  });
  const std::vector<TZelle>& after = ViewColumns(window.Document());
  QCOMPARE(after.size(), size_t{12});
  QVERIFY(std::equal(before.begin(), before.end(), after.begin()));
  QCOMPARE(after[10].type, int{kCity});
  QCOMPARE(after[11].type, int{kCountry});
  QCOMPARE(after[11].width, 100);
  QCOMPARE(after[11].align, window.Document().alignment_table[kCountry].align);
  QCOMPARE(window.Datenbereich()->model()->headerData(11, Qt::Horizontal, Qt::DisplayRole).toString(),
           QStringLiteral("Land"));
  QCOMPARE(window.Datenbereich()->columnWidth(11), 100);

  // Quality taken away and ticked back comes at the very end.
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kQuality, false);
    dialog.OK->click();
  });
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kQuality, true);
    dialog.OK->click();
  });
  QCOMPARE(ViewColumns(window.Document()).back().type, int{kQuality});
  QCOMPARE(ViewColumns(window.Document()).back().width, 100);
}

void ViewCommandsTest::UntickedColumnGoesAndTheOthersKeepTheirWidths() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Weg.mvc").string()});
  std::vector<TZelle> expected = ViewColumns(window.Document());
  expected.erase(expected.begin() + 1);  // Jäger-Nummer
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kJaeger, false);
    dialog.OK->click();
  });
  const std::vector<TZelle>& after = ViewColumns(window.Document());
  QCOMPARE(ColumnTypes(after), ColumnTypes(expected));
  for (size_t i = 0; i < after.size(); ++i) QCOMPARE(after[i].width, expected[i].width);
  QCOMPARE(window.Datenbereich()->model()->columnCount(), 9);
}

void ViewCommandsTest::AlignmentChoiceStaysAfterAbbruch() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Ausrichtung.mvc").string()});
  const std::vector<TZelle> before = ViewColumns(window.Document());
  ChooseFields(window, [](TDatAnz& dialog) {
    dialog.Ausr_Feld->setCurrentIndex(kCatalogue - 1);
    QCOMPARE(dialog.Ausr_Feld->currentText(), QStringLiteral("Katalogwert"));
    QCOMPARE(dialog.Ausr_Ausr->currentText(), QStringLiteral("Rechtsbündig"));
    dialog.Ausr_Ausr->setCurrentIndex(kAlignCenter);
    dialog.Abbruch->click();
  });
  QCOMPARE(window.Document().alignment_table[kCatalogue].align, int{kAlignCenter});
  QVERIFY(ViewColumns(window.Document()) == before);

  // The next OK, in another view, centres the catalogue value column it rebuilds.
  window.ShowView(2);
  ChooseFields(window, [](TDatAnz& dialog) {
    QCOMPARE(dialog.Ausr_Ausr->currentText(), QStringLiteral("Linksbündig"));  // Qualität
    dialog.Ausr_Feld->setCurrentIndex(kCatalogue - 1);
    QCOMPARE(dialog.Ausr_Ausr->currentText(), QStringLiteral("Zentriert"));
    dialog.OK->click();
  });
  for (const TZelle& column : ViewColumns(window.Document())) {
    if (column.type == kCatalogue) QCOMPARE(column.align, int{kAlignCenter});
  }
}

void ViewCommandsTest::OkNeedsATickedBox() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Leer.mvc").string()});
  const std::vector<TZelle> before = ViewColumns(window.Document());
  ChooseFields(window, [](TDatAnz& dialog) {
    QVERIFY(dialog.OK->isEnabled());
    for (int type = 1; type <= kFieldCount; ++type) Tick(dialog, type, false);
    QVERIFY(!dialog.OK->isEnabled());
    Tick(dialog, kCountry, true);
    QVERIFY(dialog.OK->isEnabled());
    Tick(dialog, kCountry, false);
    dialog.Abbruch->click();
  });
  QVERIFY(ViewColumns(window.Document()) == before);
}

void ViewCommandsTest::UniformLayoutIsOfferedPerSetting() {
  MainWindowHarness harness;
  StoreSettings(harness, [](ProgramSettings& s) {
    s.KatGl = true;
    s.KatGlFrage = true;
  });
  THauptfenster& window = harness.Start({harness.WriteSample("Gleich.mvc").string()});
  // Right after the start the layouts count as uniform: copied without a question.
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kCountry, true);
    dialog.OK->click();
  });
  QVERIFY(harness.messages.shown().empty());
  QCOMPARE(window.Document().areas[2]->cells.back().type, int{kCountry});
  QCOMPARE(window.Document().all_cells.back().type, int{kCountry});

  // Without the setting a width drag makes the layouts differ ...
  harness.dialogs.options = [](ProgramSettings& s) {
    s.KatGl = false;
    return MainWindowDialogs::OptionsOutcome{};
  };
  Trigger(window, "MenuExtrasOptionen");
  window.Datenbereich()->horizontalHeader()->resizeSection(0, 77);
  emit window.Datenbereich()->WidthDragFinished();
  QCOMPARE(window.Document().areas[0]->cells[0].width, 77);
  QVERIFY(window.Document().areas[1]->cells[0].width != 77);

  // ... so with the setting back on, the next field choice asks; No keeps the others as they are
  // and the next change asks again.
  harness.dialogs.options = [](ProgramSettings& s) {
    s.KatGl = true;
    return MainWindowDialogs::OptionsOutcome{};
  };
  Trigger(window, "MenuExtrasOptionen");
  harness.messages.Answer(MessageAnswer::kNo);
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kCity, true);
    dialog.OK->click();
  });
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QVERIFY(harness.messages.shown()[0].text.starts_with("Die Sammelgebiete haben einen unterschiedlichen Aufbau."));
  QCOMPARE(window.Document().areas[1]->cells.back().type, int{kCountry});

  harness.messages.Answer(MessageAnswer::kYes);
  ChooseFields(window, [](TDatAnz& dialog) { dialog.OK->click(); });
  QCOMPARE(harness.messages.shown().size(), size_t{2});
  QVERIFY(window.Document().areas[1]->cells == window.Document().areas[0]->cells);
  QCOMPARE(window.Document().areas[2]->cells[0].width, 77);
  QVERIFY(window.Document().all_cells == window.Document().areas[0]->cells);

  // Uniform again: no further question.
  ChooseFields(window, [](TDatAnz& dialog) { dialog.OK->click(); });
  QCOMPARE(harness.messages.shown().size(), size_t{2});
  QVERIFY(harness.messages.AllAnswersUsed());
}

void ViewCommandsTest::DifferentLayoutsAreKeptWithoutTheSetting() {
  MainWindowHarness harness;
  StoreSettings(harness, [](ProgramSettings& s) { s.KatGl = false; });
  THauptfenster& window = harness.Start({harness.WriteSample("Verschieden.mvc").string()});
  const std::vector<TZelle> other = window.Document().areas[1]->cells;
  ChooseFields(window, [](TDatAnz& dialog) {
    Tick(dialog, kCountry, true);
    dialog.OK->click();
  });
  QVERIFY(harness.messages.shown().empty());
  QCOMPARE(window.Document().areas[0]->cells.back().type, int{kCountry});
  QVERIFY(window.Document().areas[1]->cells == other);
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::ViewCommandsTest)
#include "viewcommands_test.moc"
