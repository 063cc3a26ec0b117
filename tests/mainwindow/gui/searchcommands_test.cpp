// "F&ilter definieren...", "Su&chen..." and "&Weitersuchen" through the real main window, the
// entry dialog in its template modes driven as the user would drive it.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "common/modalhelper.h"
#include "dialogs/gui/tfenstereingabefenster.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "model/codepage.h"

namespace korvex::test {
namespace {

using Dialog = gui::TFensterEingabeFenster;

QStringList RowItems(THauptfenster& window) {
  QStringList items;
  for (const TDaten* coin : window.Grid().shown()) items << QString::fromStdString(coin->item);
  return items;
}

TDaten* Coin(THauptfenster& window, const std::string& item) {
  for (TDaten* coin = window.Document().first_coin; coin; coin = coin->next) {
    if (coin->item == item) return coin;
  }
  return nullptr;
}

// Countries and themes for the six coins of the sample, in item order (UTF-8).
void GiveCountriesAndThemes(THauptfenster& window) {
  const char* countries[] = {"Deutschland", "Ostdeutschland", "deutsch", "DEUTSCH", "ÄGYPTEN", "ägypten"};
  const char* themes[] = {"", "Tiere", "", "Tiere", "", "Tiere"};
  for (int i = 0; i < 6; ++i) {
    TDaten* coin = Coin(window, std::to_string(i + 1));
    coin->country = Utf8ToWin1252(countries[i]);
    coin->theme = themes[i];
  }
}

void RunDialog(THauptfenster& window, const char* command, std::function<void(Dialog&)> action) {
  bool seen = false;
  WhenModalShown<Dialog>(std::move(action), &seen);
  Trigger(window, command);
  QVERIFY(seen);
}

void FilterByCountry(THauptfenster& window, const QString& country, bool exact, bool match_case) {
  RunDialog(window, "MenuExtrasFilterDefinieren", [=](Dialog& dialog) {
    dialog.EingabeLand->setEditText(country);
    dialog.IstGleich->setChecked(exact);
    dialog.IstGross->setChecked(match_case);
    dialog.EingabeOk->click();
  });
}

}  // namespace

class SearchCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void FilterDialogIsSetUpForTheTemplate();
  void FreeFilterOnCountryPartExactAndCase();
  void FreeFilterWithCountCodeAndAbbruchRemovingIt();
  void EmptySearchFindsTheFirstCoinOrNothing();
  void WeitersuchenFollowsTheCollectionAcrossAreasAndADeletion();
};

void SearchCommandsTest::FilterDialogIsSetUpForTheTemplate() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Aufbau.mvc").string()});
  QCOMPARE(window.Action("MenuExtrasFilterDefinieren")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
  QCOMPARE(window.Action("MenuExtrasSuchen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  QCOMPARE(window.Action("MenuExtrasWeitersuchen")->shortcut(), QKeySequence(Qt::Key_F3));
  QVERIFY(!Enabled(window, "MenuExtrasWeitersuchen"));
  RunDialog(window, "SpeedFilterFrei", [](Dialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Filter definieren"));
    QVERIFY(dialog.TemplateMode && dialog.FilterMode);
    QCOMPARE(dialog.EEtui->checkState(), Qt::PartiallyChecked);
    QCOMPARE(dialog.EZertifikat->checkState(), Qt::PartiallyChecked);
    QVERIFY(!dialog.EingabeBild1->isVisible());
    QVERIFY(!dialog.BildOeffnen2->isVisible());
    QVERIFY(!dialog.Kategoriewahl->isVisible());
    QVERIFY(!dialog.EingabeTextButton->isVisible());
    QVERIFY(!dialog.EingabeNaechster->isVisible());
    QVERIFY(dialog.IstUND->isVisible() && dialog.IstUND->isChecked());
    QVERIFY(dialog.IstGleich->isVisible() && dialog.IstGross->isVisible());
    QVERIFY(dialog.EingabeStueck->text().isEmpty());
    QVERIFY(dialog.EingabePreis->text().isEmpty());
    QVERIFY(dialog.EingabeDatum->text().isEmpty());
    QCOMPARE(dialog.ENummer1T->text(), QStringLiteral("Schön-Nr."));
    dialog.EingabeAbbruch->click();
  });
  RunDialog(window, "SpeedSuchen", [](Dialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Suchen einer Münze"));
    QVERIFY(dialog.TemplateMode && !dialog.FilterMode);
    QVERIFY(dialog.Kategoriefrei->isVisible() && dialog.Kategoriefrei->isChecked());
    QCOMPARE(dialog.EEtui->checkState(), Qt::PartiallyChecked);
    QVERIFY(!dialog.Kategoriewahl->isVisible());
    dialog.EingabeAbbruch->click();
  });
  QVERIFY(!window.Action("SpeedFilterFrei")->isChecked());
  QVERIFY(harness.messages.shown().empty());
}

void SearchCommandsTest::FreeFilterOnCountryPartExactAndCase() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Land.mvc").string()});
  GiveCountriesAndThemes(window);
  window.ShowView(kAllCoinsView);

  FilterByCountry(window, QStringLiteral("deutsch"), false, false);
  QCOMPARE(RowItems(window), (QStringList{"1", "2", "3", "4"}));
  QVERIFY(window.windowTitle().endsWith(QStringLiteral(" - [gefiltert]")));
  QVERIFY(window.Action("SpeedFilterFrei")->isChecked());
  QVERIFY(window.Document().modified());

  // The next definition starts from the active filter and its switches.
  RunDialog(window, "MenuExtrasFilterDefinieren", [](Dialog& dialog) {
    QCOMPARE(dialog.EingabeLand->currentText(), QStringLiteral("deutsch"));
    QVERIFY(!dialog.IstGleich->isChecked());
    dialog.IstGleich->setChecked(true);
    dialog.EingabeOk->click();
  });
  QCOMPARE(RowItems(window), (QStringList{"3", "4"}));
  RunDialog(window, "MenuExtrasFilterDefinieren", [](Dialog& dialog) {
    QVERIFY(dialog.IstGleich->isChecked());
    dialog.IstGross->setChecked(true);
    dialog.EingabeOk->click();
  });
  QCOMPARE(RowItems(window), QStringList{"3"});

  // Only ASCII letters change case: «ÄGYPTEN» does not match «ägypten».
  FilterByCountry(window, QStringLiteral("ÄGYPTEN"), false, false);
  QCOMPARE(RowItems(window), QStringList{"5"});
}

void SearchCommandsTest::FreeFilterWithCountCodeAndAbbruchRemovingIt() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Anzahl.mvc").string()});
  window.ShowView(kAllCoinsView);
  RunDialog(window, "MenuExtrasFilterDefinieren", [](Dialog& dialog) {
    dialog.EingabeStueck->setText(QStringLiteral(">=2"));
    dialog.EingabeStueckExit();
    dialog.EingabeOk->click();
  });
  QCOMPARE(RowItems(window), QStringList{"1"});

  Trigger(window, "SpeedFilterFehlbestand");
  QCOMPARE(RowItems(window), QStringList{"2"});
  RunDialog(window, "MenuExtrasFilterDefinieren", [](Dialog& dialog) {
    QCOMPARE(dialog.EingabeStueck->text(), QStringLiteral("0"));
    dialog.EingabeAbbruch->click();
  });
  QCOMPARE(RowItems(window).size(), 6);
  QVERIFY(!window.windowTitle().contains('['));
  QVERIFY(!window.Action("SpeedFilterFrei")->isChecked());
  QVERIFY(!window.Action("SpeedFilterFehlbestand")->isChecked());
}

void SearchCommandsTest::EmptySearchFindsTheFirstCoinOrNothing() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Leer.mvc").string()});
  RunDialog(window, "MenuExtrasSuchen", [](Dialog& dialog) { dialog.EingabeOk->click(); });
  QCOMPARE(window.CoinOfRow(), window.Document().first_coin);
  QVERIFY(Enabled(window, "MenuExtrasWeitersuchen"));
  QVERIFY(Enabled(window, "SpeedSuchenWeiter"));
  QVERIFY(harness.messages.shown().empty());

  RunDialog(window, "SpeedSuchen", [](Dialog& dialog) {
    dialog.IstODER->setChecked(true);
    dialog.EingabeOk->click();
  });
  QCOMPARE(harness.messages.texts(), std::vector<std::string>{"Artikel nicht gefunden."});
  QCOMPARE(harness.messages.shown()[0].kind, MessageKind::kError);
  QVERIFY(!Enabled(window, "MenuExtrasWeitersuchen"));
  QCOMPARE(window.CoinOfRow(), window.Document().first_coin);
}

void SearchCommandsTest::WeitersuchenFollowsTheCollectionAcrossAreasAndADeletion() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Weiter.mvc").string()});
  GiveCountriesAndThemes(window);
  Coin(window, "5")->theme = "Tiere";
  QCOMPARE(window.Document().current_view, 1);
  RunDialog(window, "MenuExtrasSuchen", [](Dialog& dialog) {
    dialog.EingabeThema->setEditText(QStringLiteral("tiere"));
    dialog.EingabeOk->click();
  });
  QCOMPARE(window.CoinOfRow(), Coin(window, "2"));
  Trigger(window, "MenuExtrasWeitersuchen");
  QCOMPARE(window.Document().current_view, 2);  // the find's area is shown
  QCOMPARE(window.CoinOfRow(), Coin(window, "4"));

  // The continuation named coin 5; taking it out moves the search on to coin 6.
  window.RemoveCoin(Coin(window, "5"));
  window.ShowView(THauptfenster::kKeepView);
  Trigger(window, "SpeedSuchenWeiter");
  QCOMPARE(window.Document().current_view, 3);
  QCOMPARE(window.CoinOfRow(), Coin(window, "6"));
  // Coin 6 is the last one: nothing to resume at.
  QVERIFY(!Enabled(window, "MenuExtrasWeitersuchen"));
  QVERIFY(harness.messages.shown().empty());
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::SearchCommandsTest)
#include "searchcommands_test.moc"
