// The main window keeps its commands and the document consistent: autosave waits for running
// commands, views and commands follow what is open, filters are checked and count as changes,
// and commands refuse changes that would be lost or could not be saved.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>

#include "files/textimportelements.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/samplecollection.h"
#include "model/fieldcatalogue.h"

namespace korvex::test {
namespace {

namespace fs = std::filesystem;

FileChoice Choice(const fs::path& path, bool read_only = false) { return FileChoice{path.string(), 1, read_only}; }

// Emits one tick of the autosave timer, as the event loop would deliver it.
void Tick(THauptfenster& window) { QMetaObject::invokeMethod(window.SpeicherIntervall(), "timeout"); }

// The sample collection with `view` as its stored view.
fs::path WriteSampleShowing(MainWindowHarness& harness, const std::string& name, int view) {
  CollectionDocument doc;
  FillSampleCollection(doc);
  doc.current_view = view;
  const fs::path path = harness.folder() / name;
  WriteCollection(doc, path);
  return path;
}

int CoinsInFile(const fs::path& path) {
  CollectionDocument doc;
  ReadCollection(doc, path);
  return doc.coin_count;
}

}  // namespace

class CommandStatesTest : public QObject {
  Q_OBJECT

 private slots:
  void AutosaveTickDuringACommandWaitsUntilItHasFinished();
  void AutosaveTickWhileAModalDialogIsOpenWaitsForItToClose();
  void StoredViewNamingNoAreaOpensAllCoins();
  void PasswordCommandNeedsAnOpenWritableDocument();
  void CurrencyOfAReadOnlyCollectionStays();
  void NumberReassignmentAsksBeforeNumbersAreLost();
  void ExactlyOneFilterItemIsCheckedAndFiltersCountAsChanges();
};

void CommandStatesTest::AutosaveTickDuringACommandWaitsUntilItHasFinished() {
  MainWindowHarness harness;
  const fs::path path = harness.WriteSample("Sammlung.mvc");
  const fs::path previous = harness.folder() / "Sammlung.alteversion.mvc";
  THauptfenster& window = harness.Start({path.string()});
  window.SetModified(true);

  // The import waits for the area question while the tick arrives.
  const fs::path text = harness.folder() / "import.txt";
  WriteFileBytes(text, "Inventarnr.;Kategorie\r\n10;Deutschland\r\n11;Schweden\r\n12;Schweden\r\n");
  bool saved_during_import = true;
  harness.dialogs.import_areas.while_open = [&] {
    Tick(window);
    QTest::qWait(20);
    saved_during_import = fs::exists(previous);
  };
  harness.dialogs.import_areas.answers = {{UnknownAreaAnswer::Choice::kNew, -1}};
  harness.files.Choose(Choice(text));
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuDateiImportieren");
  QCOMPARE(harness.dialogs.import_areas.asked.size(), size_t{1});
  QVERIFY(!saved_during_import);
  QCOMPARE(window.Document().coin_count, 9);

  // Once the import has finished, the held-back tick saves the whole result.
  QTRY_VERIFY(!window.Document().modified());
  QVERIFY(fs::exists(previous));
  QCOMPARE(CoinsInFile(previous), 6);
  QCOMPARE(CoinsInFile(path), 9);
  QVERIFY(!window.Autosave().Pending());
}

void CommandStatesTest::AutosaveTickWhileAModalDialogIsOpenWaitsForItToClose() {
  MainWindowHarness harness;
  const fs::path path = harness.WriteSample("Sammlung.mvc");
  THauptfenster& window = harness.Start({path.string()});
  window.SetModified(true);

  QDialog dialog(&window);
  dialog.setModal(true);
  dialog.show();
  QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
  Tick(window);
  QTest::qWait(AutosaveGate::kRetryMilliseconds * 2);
  QVERIFY(window.Document().modified());
  QVERIFY(window.Autosave().Pending());
  QVERIFY(!fs::exists(harness.folder() / "Sammlung.alteversion.mvc"));

  dialog.close();
  QTRY_VERIFY(!window.Document().modified());
  QVERIFY(fs::exists(harness.folder() / "Sammlung.alteversion.mvc"));
  // With nothing running, a tick saves at once.
  window.SetModified(true);
  Tick(window);
  QVERIFY(!window.Document().modified());
}

void CommandStatesTest::StoredViewNamingNoAreaOpensAllCoins() {
  for (const int stored : {0, 4, -3}) {
    MainWindowHarness harness;
    const fs::path path = WriteSampleShowing(harness, "Sicht.mvc", stored);
    THauptfenster& window = harness.Start({path.string()});
    QCOMPARE(window.Document().current_view, kAllCoinsView);
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvex - Übersicht über alle Münzen - Sicht"));
    QVERIFY(window.Action("MenuKategorieAlleartikel")->isChecked());
    QCOMPARE(window.Datenbereich()->model()->rowCount(), 6);
    // No command works on an area that does not exist.
    QVERIFY(!Enabled(window, "MenuExtrasSonderNummernkreise"));
    QVERIFY(!Enabled(window, "MenuDateiExportierenKategorie"));

    // The same through "&Öffnen...".
    harness.files.Choose(Choice(WriteSampleShowing(harness, "Sicht2.mvc", stored)));
    Trigger(window, "MenuDateiOeffnen");
    QCOMPARE(window.Document().current_view, kAllCoinsView);
    QCOMPARE(window.Datenbereich()->model()->rowCount(), 6);
  }
  // An area's own view stays.
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({WriteSampleShowing(harness, "Sicht.mvc", 2).string()});
  QCOMPARE(window.Document().current_view, 2);
}

void CommandStatesTest::PasswordCommandNeedsAnOpenWritableDocument() {
  MainWindowHarness harness;
  // The first open dialog is cancelled: no document.
  THauptfenster& window = harness.Start();
  QCOMPARE(harness.files.open_requests().size(), size_t{1});
  QVERIFY(!Enabled(window, "Pawort1"));
  QVERIFY(!Enabled(window, "SpeedKey"));
  harness.dialogs.password_answers.push_back({MainWindowDialogs::PasswordAction::kSet, "geheim"});
  Trigger(window, "Pawort1");
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  QVERIFY(window.Document().password().empty());
  QVERIFY(!window.Document().modified());
  QVERIFY(!Enabled(window, "MenuDateiSpeichern"));

  // An open document may be protected ...
  const fs::path path = harness.WriteSample("Sammlung.mvc");
  harness.files.Choose(Choice(path));
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(Enabled(window, "Pawort1"));
  QVERIFY(Enabled(window, "SpeedKey"));
  Trigger(window, "SpeedKey");
  QCOMPARE(window.Document().password(), std::string("geheim"));
  QVERIFY(window.Document().modified());
  window.SetModified(false);

  // ... a read-only one not, since the password could never be saved ...
  harness.files.Choose(Choice(path, /*read_only=*/true));
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(!window.Document().writable());
  QVERIFY(!Enabled(window, "Pawort1"));

  // ... and a file that failed to open leaves no document that could be saved over it.
  harness.files.Choose(Choice(path));
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(Enabled(window, "Pawort1"));
  WriteFileBytes(harness.folder() / "kaputt.mvc", "kein Archiv");
  harness.files.Choose(Choice(harness.folder() / "kaputt.mvc"));
  Trigger(window, "MenuDateiOeffnen");
  QCOMPARE(window.Document().coin_count, 0);
  QVERIFY(!Enabled(window, "Pawort1"));
  QVERIFY(!Enabled(window, "SpeedKey"));
  QVERIFY(!Enabled(window, "MenuDateiSpeichernunter"));
  QVERIFY(!window.Datenbereich()->isEnabled());
  QCOMPARE(window.Document().current_view, kAllCoinsView);
}

void CommandStatesTest::CurrencyOfAReadOnlyCollectionStays() {
  MainWindowHarness harness;
  const fs::path path = harness.WriteSample("Waehrung.mvc");
  harness.Start({path.string()});
  harness.files.Choose(Choice(path, /*read_only=*/true));
  Trigger(harness.window(), "MenuDateiOeffnen");
  THauptfenster& window = harness.window();
  QVERIFY(!window.Document().writable());
  const double catalogue = window.Document().first_coin->catalogue;
  const std::string currency = window.Document().currency_symbol;
  harness.dialogs.options = [](ProgramSettings&) {
    MainWindowDialogs::OptionsOutcome outcome;
    outcome.conversion = ConversionAmounts{195.583, 100};
    outcome.new_currency = "EUR";
    return outcome;
  };
  Trigger(window, "MenuExtrasOptionen");
  QCOMPARE(window.Document().first_coin->catalogue, catalogue);
  QCOMPARE(window.Document().currency_symbol, currency);
  QVERIFY(!window.Document().modified());
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QCOMPARE(harness.messages.shown()[0].kind, MessageKind::kWarning);
  QVERIFY(harness.messages.shown()[0].text.find("schreibgeschützt") != std::string::npos);
}

void CommandStatesTest::NumberReassignmentAsksBeforeNumbersAreLost() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  CollectionDocument& doc = window.Document();
  TDaten& coin = *doc.first_coin;
  QCOMPARE(doc.areas[0]->number_kind, (std::array<int32_t, 3>{0, 2, 1}));
  coin.jaeger = "J1";
  const std::string schoen = coin.schoen;
  QVERIFY(!schoen.empty());

  // Schön and Jaeger numbers both into the Jaeger field: "Nein" changes nothing.
  harness.dialogs.number_ranges = NumberRangeChoice{{1, 2, 1}, false};
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuExtrasSonderNummernkreise");
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QCOMPARE(harness.messages.shown()[0].kind, MessageKind::kQuestion);
  QCOMPARE(harness.messages.shown()[0].buttons, MessageButtons::kYesNo);
  QCOMPARE(coin.schoen, schoen);
  QCOMPARE(coin.jaeger, std::string("J1"));
  QCOMPARE(doc.areas[0]->number_kind, (std::array<int32_t, 3>{0, 2, 1}));
  QVERIFY(!doc.modified());

  // "Ja" goes on as chosen.
  harness.messages.Answer(MessageAnswer::kYes);
  Trigger(window, "MenuExtrasSonderNummernkreise");
  QCOMPARE(coin.jaeger, std::string("J1"));
  QCOMPARE(coin.schoen, std::string());
  QCOMPARE(doc.areas[0]->number_kind, (std::array<int32_t, 3>{1, 2, 1}));
  QVERIFY(doc.modified());

  // A move that keeps every number asks nothing.
  harness.dialogs.number_ranges = NumberRangeChoice{{0, 2, 1}, false};
  Trigger(window, "MenuExtrasSonderNummernkreise");
  QCOMPARE(harness.messages.shown().size(), size_t{2});
  QCOMPARE(coin.schoen, std::string("J1"));
  QVERIFY(harness.messages.AllAnswersUsed());
}

void CommandStatesTest::ExactlyOneFilterItemIsCheckedAndFiltersCountAsChanges() {
  const char* const items[] = {"MenuExtrasFilterKeiner", "MenuExtrasFilterDoubletten", "MenuExtrasFilterFehlbestand",
                               "MenuExtrasFilterBestand", "MenuExtrasFilterDefinieren"};
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Filter.mvc").string()});
  const auto checked = [&] {
    QStringList names;
    for (const char* item : items) {
      if (window.Action(item)->isChecked()) names << item;
    }
    return names;
  };
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterKeiner"});
  // No filter to switch off: nothing changes.
  Trigger(window, "SpeedFilterNone");
  QVERIFY(!window.Document().modified());

  Trigger(window, "SpeedFilterDubletten");
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterDoubletten"});
  QVERIFY(window.Document().modified());
  QCOMPARE(Panel(window, 4), QStringLiteral("Geändert"));
  window.SetModified(false);

  Trigger(window, "MenuExtrasFilterFehlbestand");
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterFehlbestand"});
  QVERIFY(window.Action("SpeedFilterFehlbestand")->isChecked());
  QVERIFY(window.Document().modified());
  window.SetModified(false);

  Trigger(window, "MenuExtrasFilterBestand");
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterBestand"});
  window.SetModified(false);
  Trigger(window, "MenuExtrasFilterKeiner");
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterKeiner"});
  QVERIFY(window.Document().modified());
  QVERIFY(!window.Action("SpeedFilterBestand")->isChecked());

  // A read-only collection never becomes modified, whatever the filter.
  harness.files.Choose(Choice(harness.folder() / "Filter.mvc", /*read_only=*/true));
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiOeffnen");
  Trigger(window, "SpeedFilterBestand");
  QCOMPARE(checked(), QStringList{"MenuExtrasFilterBestand"});
  QVERIFY(!window.Document().modified());
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::CommandStatesTest)
#include "windowcommandstates_test.moc"
