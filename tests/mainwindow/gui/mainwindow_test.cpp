// Drives the real main window through its commands with scripted dialogs and messages. One Qt
// Test class: its cases share the window harness and the sample collections, so they stay
// together in one file.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "dialogs/gui/tfenstereingabefenster.h"
#include "files/collectionfileio.h"
#include "help/gui/helpwindowhost.h"
#include "help/gui/thilfefenster.h"
#include "common/modalhelper.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/samplecollection.h"
#include "mainwindow/gui/statuszeile.h"
#include "model/codepage.h"
#include "model/paths.h"

namespace korvex::test {
namespace {

QString Title(THauptfenster& window) { return window.windowTitle(); }

FileChoice Choice(const std::filesystem::path& path, int filter = 1, bool read_only = false) {
  return FileChoice{path.string(), filter, read_only};
}

// Settings as the settings dialog would have stored them: the defaults with `change` applied.
template <typename Change>
void StoreSettings(MainWindowHarness& harness, Change change) {
  ProgramSettings settings;
  change(settings);
  QVERIFY(WriteSettings(harness.store(), settings));
}

// Opens `path` through "&Öffnen..." with the scripted dialog.
void OpenByMenu(MainWindowHarness& harness, const std::filesystem::path& path, bool read_only = false) {
  harness.files.Choose(Choice(path, 1, read_only));
  Trigger(harness.window(), "MenuDateiOeffnen");
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithTheFileNamedOnTheCommandLine();
  void BareCommandLineNameIsLookedUpInTheProgramFolder();
  void FailedStartFileLeavesNoNameAndAsksForAFile();
  void ShowsAreasByMenuToolbarAndDigitKeys();
  void AreaWithoutIconGetsShortTextButtonAndNoPicture();
  void MovedAndResizedColumnsReachTheSavedFile();
  void SaveKeepsThePreviousVersion();
  void SaveAsWithoutPicturesMakesReferencesAbsolute();
  void SaveAsWithPicturesCopiesThemIntoTheNewFolder();
  void PasswordIsSetUsedOnReopenAndRemoved();
  void AutosaveFollowsTheSettingsAndSavesOnlyChanges();
  void HelpShowsTheStartPageAndF1InTheSearchDialogItsTopic();
  void DiscardQuestionHasThreeAnswers();
  void QuittingUnchangedAsksOnlyWhenConfigured();
  void ReadOnlyOpenShowsMarkAndDisablesEditing();
  void WindowAndToolbarLayoutSurviveARestart();
  void MaximisedStateAndMissingValuesFromTheStore();
  void StatusPanelsFollowHintsPasswordAndChanges();
  void DoubleClickOnStatusBarSavesOnlyAtTheRightEnd();
  void EmptyAreaShowsOneEmptyRowAndDisablesRowCommands();
  void CountFiltersNarrowTheRowsAndNameThemInTheTitle();
  void NewAsksForAreasAndStartsUnnamed();
  void FirstStartOpensACopyOfTheExampleCollection();
  void SettingsDialogRestartsAutosaveAndConvertsTheCurrency();
  void LookupEditorSeesTheListsInTheFile();
  void ShippedExampleCollectionIsARealCollection();
};

void MainWindowTest::StartsWithTheFileNamedOnTheCommandLine() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Meine Sammlung.mvc");
  // A name with a blank arrives in two pieces.
  const std::string full = path.string();
  const size_t blank = full.rfind(' ');
  THauptfenster& window = harness.Start({full.substr(0, blank), full.substr(blank + 1)});

  QCOMPARE(window.Document().file_title(), std::string("Meine Sammlung"));
  QVERIFY(window.Document().has_name);
  QCOMPARE(Title(window), QStringLiteral("Korvex - Übersicht über Deutschland - Meine Sammlung"));
  QCOMPARE(window.ApplicationTitle(), QStringLiteral("Korvex - Meine Sammlung"));
  QVERIFY(harness.files.open_requests().empty());
  // The stored view: the three coins of Deutschland with 3 pieces and 20,50 in value.
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 3);
  QCOMPARE(Panel(window, 1), QStringLiteral("3 Stück"));
  QVERIFY(Panel(window, 2).startsWith(QStringLiteral("20,50 ")));
  QVERIFY(window.Datenbereich()->isEnabled());
  QVERIFY(Enabled(window, "MenuKategorie"));
  QVERIFY(Enabled(window, "MenuExtrasKategorien"));
  QVERIFY(!Enabled(window, "MenuDateiSpeichern"));
  QVERIFY(window.Action("MenuKategorieGebiet1")->isChecked());
}

void MainWindowTest::BareCommandLineNameIsLookedUpInTheProgramFolder() {
  MainWindowHarness harness;
  CollectionDocument doc;
  FillSampleCollection(doc);
  WriteCollection(doc, harness.ProgramFolder() / "SAMMLUNG.MVS");
  THauptfenster& window = harness.Start({"SAMMLUNG.MVS"});
  QCOMPARE(window.Document().file_path(), PathText(harness.ProgramFolder() / "SAMMLUNG.MVS"));
  QCOMPARE(window.Document().coin_count, 6);
}

void MainWindowTest::FailedStartFileLeavesNoNameAndAsksForAFile() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({(harness.folder() / "fehlt.mvc").string()});
  QCOMPARE(harness.messages.shown().size(), size_t{1});
  QVERIFY(harness.messages.shown()[0].text.find("Datei konnte nicht geladen werden") != std::string::npos);
  QVERIFY(!window.Document().has_name);
  QCOMPARE(window.Document().file_path(), std::string(kUnnamedFile));
  // No name and no template: the open dialog is asked at once, with the default folder.
  QCOMPARE(harness.files.open_requests().size(), size_t{1});
  QCOMPARE(harness.files.open_requests()[0].start_folder, harness.DataFolder().string());
  QCOMPARE(harness.files.open_requests()[0].filter_index, 1);
  QVERIFY(!window.Datenbereich()->isEnabled());
  QVERIFY(!Enabled(window, "MenuKategorie"));
  QVERIFY(!Enabled(window, "MenuDateiSpeichernunter"));
}

void MainWindowTest::ShowsAreasByMenuToolbarAndDigitKeys() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));

  Trigger(window, "MenuKategorieGebiet2");
  QCOMPARE(window.Document().current_view, 2);
  QCOMPARE(Title(window), QStringLiteral("Korvex - Übersicht über Österreich - Sammlung"));
  QVERIFY(window.Action("MenuKategorieGebiet2")->isChecked());
  QVERIFY(!window.Action("MenuKategorieGebiet1")->isChecked());
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 2);

  Trigger(window, "SpeedAlles");
  QCOMPARE(window.Document().current_view, kAllCoinsView);
  QVERIFY(window.Action("MenuKategorieAlleartikel")->isChecked());
  QVERIFY(window.Action("SpeedAlles")->isChecked());
  QCOMPARE(Title(window), QStringLiteral("Korvex - Übersicht über alle Münzen - Sammlung"));
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 6);
  QCOMPARE(Panel(window, 1), QStringLiteral("6 Stück"));

  // The area button of Deutschland presses itself and releases "Alle Münzen".
  Trigger(window, "SpeedGebiet1");
  QCOMPARE(window.Document().current_view, 1);
  QVERIFY(window.Action("SpeedGebiet1")->isChecked());
  QVERIFY(!window.Action("SpeedAlles")->isChecked());

  QTest::keyClick(window.Datenbereich(), Qt::Key_3);
  QCOMPARE(window.Document().current_view, 3);
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 1);
  // There is no fifth area: the key changes nothing, not even the current row.
  QTest::keyClick(window.Datenbereich(), Qt::Key_5);
  QCOMPARE(window.Document().current_view, 3);
  QTest::keyClick(window.Datenbereich(), Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(window.Document().current_view, kAllCoinsView);
  // Switching views is no change of the document.
  QVERIFY(!window.Document().modified());
}

void MainWindowTest::AreaWithoutIconGetsShortTextButtonAndNoPicture() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Sammlung.mvc").string()});
  QAction* item = window.Action("MenuKategorieGebiet1");
  QVERIFY(item->icon().isNull());
  QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_1));
  QCOMPARE(window.Action("MenuKategorieGebiet3")->shortcut(), QKeySequence(Qt::Key_3));
  QAction* button = window.Action("SpeedGebiet1");
  QVERIFY(!button->icon().isNull());
  QCOMPARE(button->toolTip(), QStringLiteral("Deutschland"));
  QCOMPARE(button->data().toInt(), 1);
  // Only areas with the toolbar switch get a button.
  QVERIFY(!window.Action("SpeedGebiet2"));
  QVERIFY(window.Toolbar("Kategorie")->actions().contains(button));
}

void MainWindowTest::MovedAndResizedColumnsReachTheSavedFile() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Sammlung.mvc");
  THauptfenster& window = harness.Start({path.string()});
  const std::vector<TZelle> before = window.Document().areas[0]->cells;
  TDatenbereich* grid = window.Datenbereich();

  // The user drags column 1 to position 4.
  grid->horizontalHeader()->moveSection(1, 4);
  std::vector<TZelle> expected = before;
  const TZelle moved = expected[1];
  expected.erase(expected.begin() + 1);
  expected.insert(expected.begin() + 4, moved);
  QCOMPARE(window.Document().areas[0]->cells, expected);
  QVERIFY(window.Document().modified());
  // The grid shows the columns in the list's order again, without an own visual order.
  QCOMPARE(grid->horizontalHeader()->visualIndex(4), 4);

  // ... and drags the width of the first column, letting go of the mouse over the header.
  grid->horizontalHeader()->resizeSection(0, 177);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(grid->horizontalHeader()->viewport(), &release);
  QCOMPARE(window.Document().areas[0]->cells[0].width, 177);
  // With uniform layouts (the default) every view takes the layout over.
  QCOMPARE(window.Document().areas[2]->cells[0].width, 177);
  QCOMPARE(window.Document().all_cells[0].width, 177);

  Trigger(window, "MenuDateiSpeichern");
  QVERIFY(!window.Document().modified());
  CollectionDocument reread;
  ReadCollection(reread, path);
  expected[0].width = 177;
  QCOMPARE(reread.areas[0]->cells, expected);
}

void MainWindowTest::SaveKeepsThePreviousVersion() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Sammlung.mvc");
  const std::string first_version = ReadFileBytes(path);
  THauptfenster& window = harness.Start({path.string()});
  // Nothing changed: saving writes nothing.
  Trigger(window, "MenuDateiSpeichern");
  QVERIFY(!std::filesystem::exists(harness.folder() / "Sammlung.alteversion.mvc"));

  window.Document().areas[1]->name = "Ungarn";
  window.SetModified(true);
  QVERIFY(Enabled(window, "SpeedSpeichern"));
  Trigger(window, "SpeedSpeichern");
  QVERIFY(!window.Document().modified());
  QVERIFY(!Enabled(window, "MenuDateiSpeichern"));
  QCOMPARE(Panel(window, 4), QString());
  QCOMPARE(ReadFileBytes(harness.folder() / "Sammlung.alteversion.mvc"), first_version);
  CollectionDocument reread;
  ReadCollection(reread, path);
  QCOMPARE(reread.areas[1]->name, std::string("Ungarn"));
}

void MainWindowTest::SaveAsWithoutPicturesMakesReferencesAbsolute() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Alt.mvc");
  StoreSettings(harness, [](ProgramSettings& s) { s.Graphik_Copy = PictureCopy::kNever; });
  THauptfenster& window = harness.Start({path.string()});
  window.Document().first_coin->av_picture = "a.jpg";
  const std::string old_folder = window.Document().picture_folder();

  harness.files.Choose(Choice(harness.folder() / "Neu.mvs", 2));
  Trigger(window, "MenuDateiSpeichernunter");
  QCOMPARE(window.Document().file_title(), std::string("Neu"));
  QVERIFY(!window.Document().compressed);
  QCOMPARE(window.Document().first_coin->av_picture, old_folder + "a.jpg");
  QCOMPARE(harness.files.save_requests().back().default_extension, std::string("mvc"));
  QCOMPARE(harness.files.save_requests().back().filters.size(), size_t{2});
  // Written as plain XML under the new name, which the title shows.
  QVERIFY(ReadFileBytes(harness.folder() / "Neu.mvs").find("<deduvidarov") != std::string::npos);
  QVERIFY(Title(window).endsWith(QStringLiteral(" - Neu")));
  QVERIFY(!window.Document().modified());
}

void MainWindowTest::SaveAsWithPicturesCopiesThemIntoTheNewFolder() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Alt.mvc");
  std::filesystem::create_directories(harness.folder() / "Alt");
  WriteFileBytes(harness.folder() / "Alt" / "a.jpg", "bild");
  THauptfenster& window = harness.Start({path.string()});
  window.Document().first_coin->av_picture = "a.jpg";

  // The default option asks; the answer Yes copies.
  harness.messages.Answer(MessageAnswer::kYes);
  harness.files.Choose(Choice(harness.folder() / "Neu.mvc", 1));
  Trigger(window, "MenuDateiSpeichernunter");
  QVERIFY(harness.messages.AllAnswersUsed());
  QCOMPARE(harness.messages.shown().back().text,
           std::string("Die Datei enthält möglicherweise Verweise auf Bilder zu den enthaltenen Artikeln. "
                       "Sollen die referenzierten Bilder mit kopiert werden?"));
  QCOMPARE(window.Document().first_coin->av_picture, std::string("a.jpg"));
  QCOMPARE(ReadFileBytes(harness.folder() / "Neu" / "a.jpg"), std::string("bild"));
  QVERIFY(window.Document().compressed);
  CollectionDocument reread;
  ReadCollection(reread, harness.folder() / "Neu.mvc");
  QCOMPARE(reread.first_coin->av_picture, std::string("a.jpg"));
  // The progress display is over: the panels are back.
  QVERIFY(!window.Statuszeile()->SimpleTextShown());
}

void MainWindowTest::PasswordIsSetUsedOnReopenAndRemoved() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Geheim.mvc");
  THauptfenster& window = harness.Start({path.string()});

  harness.dialogs.password_answers.push_back({MainWindowDialogs::PasswordAction::kSet, "geheim"});
  Trigger(window, "SpeedKey");
  QCOMPARE(window.Document().password(), std::string("geheim"));
  QCOMPARE(Panel(window, 3), QStringLiteral("Passwortgeschützt"));
  QVERIFY(window.Document().modified());
  Trigger(window, "MenuDateiSpeichern");

  // Reopened: the file asks for the password; a wrong one first, then the right one.
  harness.passwords.Type("falsch");
  harness.passwords.Type("geheim");
  OpenByMenu(harness, path);
  QCOMPARE(harness.passwords.asked(), 2);
  QCOMPARE(window.Document().coin_count, 6);
  QCOMPARE(Panel(window, 3), QStringLiteral("Passwortgeschützt"));

  // "Abbruch" changes nothing, "&Löschen" removes the password with the next save.
  harness.dialogs.password_answers.push_back({MainWindowDialogs::PasswordAction::kCancel, {}});
  Trigger(window, "Pawort1");
  QVERIFY(!window.Document().modified());
  harness.dialogs.password_answers.push_back({MainWindowDialogs::PasswordAction::kDelete, {}});
  Trigger(window, "Pawort1");
  QCOMPARE(Panel(window, 3), QString());
  Trigger(window, "MenuDateiSpeichern");
  OpenByMenu(harness, path);
  QCOMPARE(harness.passwords.asked(), 2);
  QCOMPARE(window.Document().coin_count, 6);
}

void MainWindowTest::AutosaveFollowsTheSettingsAndSavesOnlyChanges() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Auto.mvc");
  StoreSettings(harness, [](ProgramSettings& s) {
    s.AutoSave = true;
    s.AutoSaveTime = "5";
  });
  THauptfenster& window = harness.Start({path.string()});
  QVERIFY(window.SpeicherIntervall()->isActive());
  QCOMPARE(window.SpeicherIntervall()->interval(), 300000);

  // A tick without changes writes nothing.
  QMetaObject::invokeMethod(window.SpeicherIntervall(), "timeout");
  QVERIFY(!std::filesystem::exists(harness.folder() / "Auto.alteversion.mvc"));
  window.Document().areas[0]->name = "Neu";
  window.SetModified(true);
  QMetaObject::invokeMethod(window.SpeicherIntervall(), "timeout");
  QVERIFY(!window.Document().modified());
  QVERIFY(std::filesystem::exists(harness.folder() / "Auto.alteversion.mvc"));

  MainWindowHarness other;
  StoreSettings(other, [](ProgramSettings& s) {
    s.AutoSave = true;
    s.AutoSaveTime = "abc";
  });
  QVERIFY(!other.Start().SpeicherIntervall()->isActive());
}

void MainWindowTest::DiscardQuestionHasThreeAnswers() {
  const std::string question = "Die Daten wurden geändert. Möchten Sie sie speichern?";
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Frage.mvc");
  THauptfenster& window = harness.Start({path.string()});
  window.Document().areas[0]->name = "Ge\xE4ndert";
  window.SetModified(true);

  harness.messages.Answer(MessageAnswer::kCancel);
  Trigger(window, "MenuDateiNeu");
  QCOMPARE(harness.messages.shown().back().text, question);
  QCOMPARE(harness.messages.shown().back().buttons, MessageButtons::kYesNoCancel);
  QCOMPARE(window.Document().coin_count, 6);
  QVERIFY(window.Document().modified());
  QCOMPARE(harness.dialogs.areas_dialogs, 0);

  harness.messages.Answer(MessageAnswer::kYes);
  OpenByMenu(harness, path);
  CollectionDocument reread;
  ReadCollection(reread, path);
  QCOMPARE(reread.areas[0]->name, std::string("Ge\xE4ndert"));

  window.Document().areas[0]->name = "Verworfen";
  window.SetModified(true);
  harness.messages.Answer(MessageAnswer::kNo);
  OpenByMenu(harness, path);
  QVERIFY(harness.messages.AllAnswersUsed());
  QCOMPARE(window.Document().areas[0]->name, std::string("Ge\xE4ndert"));
  CollectionDocument unchanged;
  ReadCollection(unchanged, path);
  QCOMPARE(unchanged.areas[0]->name, std::string("Ge\xE4ndert"));
}

void MainWindowTest::QuittingUnchangedAsksOnlyWhenConfigured() {
  MainWindowHarness harness;
  harness.Start({harness.WriteSample("Ende.mvc").string()});
  QVERIFY(harness.Close());
  QVERIFY(harness.messages.shown().empty());

  MainWindowHarness asking;
  StoreSettings(asking, [](ProgramSettings& s) { s.Anfrage = true; });
  asking.Start({asking.WriteSample("Ende.mvc").string()});
  asking.messages.Answer(MessageAnswer::kNo);
  QVERIFY(!asking.Close());
  QCOMPARE(asking.messages.shown().back().text, std::string("Möchten Sie das Programm wirklich beenden?"));
  asking.messages.Answer(MessageAnswer::kYes);
  QVERIFY(asking.Close());

  // With "Automatisches Speichern bei Programmende" a change is saved without the save question.
  MainWindowHarness saving;
  StoreSettings(saving, [](ProgramSettings& s) { s.AutoSaveEnd = true; });
  const std::filesystem::path path = saving.WriteSample("Ende.mvc");
  THauptfenster& window = saving.Start({path.string()});
  window.Document().areas[2]->name = "Liechtenstein";
  window.SetModified(true);
  QVERIFY(saving.Close());
  QVERIFY(saving.messages.shown().empty());
  CollectionDocument reread;
  ReadCollection(reread, path);
  QCOMPARE(reread.areas[2]->name, std::string("Liechtenstein"));
}

void MainWindowTest::ReadOnlyOpenShowsMarkAndDisablesEditing() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Nur Lesen.mvc");
  harness.Start();
  THauptfenster& window = harness.window();
  OpenByMenu(harness, path, /*read_only=*/true);
  QVERIFY(!window.Document().writable());
  QVERIFY(Title(window).endsWith(QStringLiteral(" - Nur Lesen [Schreibgeschützt]")));
  QVERIFY(!Enabled(window, "MenuExtrasKategorien"));
  QVERIFY(!Enabled(window, "SpeedEinfuegen"));
  QVERIFY(!Enabled(window, "MenuBearbeitenNeu"));
  Trigger(window, "MenuKategorieGebiet2");
  QVERIFY(!Enabled(window, "MenuBearbeitenEinfuegen"));
  window.SetModified(true);
  QVERIFY(!window.Document().modified());
  QCOMPARE(Panel(window, 4), QString());
}

void MainWindowTest::WindowAndToolbarLayoutSurviveARestart() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Layout.mvc");
  THauptfenster& first = harness.Start({path.string()});
  first.setGeometry(40, 50, 920, 610);
  Trigger(first, "MenuDockFilter");
  QVERIFY(first.Toolbar("Filter")->isHidden());
  QVERIFY(!first.Action("DockMenuFilter")->isChecked());
  first.removeToolBar(first.Toolbar("Extras"));
  first.addToolBar(Qt::BottomToolBarArea, first.Toolbar("Extras"));
  first.Toolbar("Extras")->show();
  QVERIFY(harness.Close());

  SettingsKey bars(harness.store(), "Bars\\Extras");
  QCOMPARE(bars.ReadString("DockedTo").value_or(""), std::string("DockBottom"));
  QCOMPARE(SettingsKey(harness.store()).ReadString("WdStatus").value_or(""), std::string("001"));

  THauptfenster& second = harness.Start({path.string()});
  QCOMPARE(second.geometry().size(), QSize(920, 610));
  QCOMPARE(second.geometry().topLeft(), QPoint(40, 50));
  QVERIFY(second.Toolbar("Filter")->isHidden());
  QVERIFY(!second.Action("MenuDockFilter")->isChecked());
  QVERIFY(second.Action("MenuDockDatei")->isChecked());
  QCOMPARE(second.toolBarArea(second.Toolbar("Extras")), Qt::BottomToolBarArea);
  QCOMPARE(second.toolBarArea(second.Toolbar("Kategorie")), Qt::TopToolBarArea);
  // The area bar keeps its own row below the others.
  QVERIFY(second.Toolbar("Kategorie")->y() > second.Toolbar("Datei")->y());
  QCOMPARE(second.toolBarArea(second.Toolbar("Datensatz")), Qt::TopToolBarArea);
  QCOMPARE(second.Toolbar("Datensatz")->y(), second.Toolbar("Datei")->y());
}

void MainWindowTest::MaximisedStateAndMissingValuesFromTheStore() {
  MainWindowHarness harness;
  {
    SettingsKey key(harness.store());
    key.WriteInteger("WdLinks", 30);
    key.WriteInteger("WdOben", 40);
    key.WriteInteger("WdBreite", 700);
    key.WriteInteger("WdHoehe", 500);
    key.WriteString("WdStatus", "002");
  }
  QVERIFY(harness.Start().isMaximized());
  QCOMPARE(harness.window().normalGeometry().size(), QSize(700, 500));
  QVERIFY(harness.Close());

  MainWindowHarness missing;
  {
    SettingsKey key(missing.store());
    key.WriteInteger("WdLinks", 30);
    key.WriteInteger("WdOben", 40);
    key.WriteInteger("WdBreite", 700);
    key.WriteString("WdStatus", "002");
  }
  THauptfenster& window = missing.Start();
  QVERIFY(!window.isMaximized());
  QCOMPARE(window.geometry().size(), QSize(640, 491));
}

void MainWindowTest::StatusPanelsFollowHintsPasswordAndChanges() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Status.mvc").string()});
  QStatusTipEvent tip(window.Action("SpeedLaden")->statusTip());
  QApplication::sendEvent(&window, &tip);
  QCOMPARE(Panel(window, 0), QStringLiteral("Öffnet eine bestehende Datei"));
  QCOMPARE(window.Action("SpeedLaden")->toolTip(), QStringLiteral("Öffnen"));
  QCOMPARE(window.Action("SpeedKey")->statusTip(),
           QStringLiteral("Datei mit einem Paßwort vor Fremdzugriff schützen"));
  window.SetModified(true);
  QCOMPARE(Panel(window, 4), QStringLiteral("Geändert"));
  QVERIFY(window.Statuszeile()->PanelWidth(2) >= window.Statuszeile()->fontMetrics().horizontalAdvance(Panel(window, 2)) + 7);

  // The progress display replaces the panels and shows only steps of five points or more.
  window.ProgressBegin("Lade Daten. Fertig:");
  window.ProgressTotal(200);
  window.ProgressSet(0);
  // 9 of 200 is 4.5 %, which rounds to the even 4: less than five points, not shown.
  window.ProgressSet(9);
  QCOMPARE(window.Statuszeile()->SimpleText(), QStringLiteral("Lade Daten. Fertig:"));
  window.ProgressSet(10);
  QCOMPARE(window.Statuszeile()->SimpleText(), QStringLiteral("Lade Daten. Fertig:5%"));
  window.ProgressStep();
  QCOMPARE(window.Statuszeile()->SimpleText(), QStringLiteral("Lade Daten. Fertig:5%"));
  window.ProgressSet(200);
  QCOMPARE(window.Statuszeile()->SimpleText(), QStringLiteral("Lade Daten. Fertig:100%"));
  window.ProgressEnd();
  QVERIFY(!window.Statuszeile()->SimpleTextShown());
}

void MainWindowTest::DoubleClickOnStatusBarSavesOnlyAtTheRightEnd() {
  MainWindowHarness harness;
  const std::filesystem::path path = harness.WriteSample("Klick.mvc");
  THauptfenster& window = harness.Start({path.string()});
  window.resize(640, 480);
  window.SetModified(true);
  TStatuszeile* bar = window.Statuszeile();
  QTest::mouseMove(bar, QPoint(10, 5));
  QMouseEvent move_left(QEvent::MouseMove, QPointF(10, 5), QPointF(10, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move_left);
  window.StatuszeileDblClick(10);
  QVERIFY(window.Document().modified());
  const int right = window.width() - 20;
  QMouseEvent move_right(QEvent::MouseMove, QPointF(right, 5), QPointF(right, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move_right);
  window.StatuszeileDblClick(right);
  QVERIFY(!window.Document().modified());
}

void MainWindowTest::EmptyAreaShowsOneEmptyRowAndDisablesRowCommands() {
  MainWindowHarness harness;
  CollectionDocument doc;
  FillSampleCollection(doc);
  auto empty = std::make_unique<TKategorie>();
  empty->name = "Leer";
  doc.areas.push_back(std::move(empty));
  doc.current_view = 4;
  WriteCollection(doc, harness.folder() / "Leer.mvc");
  THauptfenster& window = harness.Start({(harness.folder() / "Leer.mvc").string()});
  QCOMPARE(window.Document().current_view, 4);
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 1);
  QCOMPARE(window.Datenbereich()->model()->index(0, 0).data().toString(), QString());
  QCOMPARE(Panel(window, 1), QStringLiteral("0 Stück"));
  QVERIFY(Panel(window, 2).startsWith(QStringLiteral("0,00 ")));
  QVERIFY(window.CoinOfRow() == nullptr);
  // An area with coins selects and finds them by row.
  Trigger(window, "MenuKategorieGebiet1");
  window.Datenbereich()->SetCurrentRow(2);
  QCOMPARE(window.CoinOfRow()->item, std::string("2"));
  window.SelectCoin(window.Document().first_coin->next->next);
  QCOMPARE(window.Datenbereich()->CurrentRow(), 3);
}

void MainWindowTest::CountFiltersNarrowTheRowsAndNameThemInTheTitle() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Filter.mvc").string()});
  Trigger(window, "SpeedFilterFehlbestand");
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 1);
  QVERIFY(window.Action("SpeedFilterFehlbestand")->isChecked());
  QVERIFY(Title(window).endsWith(QStringLiteral("[nur Fehlbestand]")));
  Trigger(window, "MenuExtrasFilterBestand");
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 2);
  QVERIFY(window.Action("SpeedFilterBestand")->isChecked());
  QVERIFY(!window.Action("SpeedFilterFehlbestand")->isChecked());
  Trigger(window, "MenuExtrasFilterKeiner");
  QCOMPARE(window.Datenbereich()->model()->rowCount(), 3);
  QCOMPARE(Title(window), QStringLiteral("Korvex - Übersicht über Deutschland - Filter"));
}

void MainWindowTest::NewAsksForAreasAndStartsUnnamed() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Alt.mvc").string()});
  harness.dialogs.define_areas = [](CollectionDocument& doc) {
    auto area = std::make_unique<TKategorie>();
    area->name = "Euro";
    doc.areas.push_back(std::move(area));
    return true;
  };
  Trigger(window, "MenuDateiNeu");
  QCOMPARE(harness.dialogs.areas_dialogs, 1);
  QCOMPARE(window.Document().coin_count, 0);
  QCOMPARE(window.Document().AreaCount(), 1);
  QVERIFY(!window.Document().has_name);
  QCOMPARE(window.Document().current_view, kAllCoinsView);
  QVERIFY(window.Document().modified());
  QVERIFY(window.Action("MenuKategorieGebiet1"));
  QVERIFY(!window.Action("MenuKategorieGebiet2"));
  QCOMPARE(Title(window), QStringLiteral("Korvex - Übersicht über alle Münzen - [Unbenannt]"));

  // Saving an unnamed file asks for a name first (and whether to copy pictures).
  harness.messages.Answer(MessageAnswer::kNo);
  harness.files.Choose(Choice(harness.folder() / "Neu.mvc"));
  Trigger(window, "MenuDateiSpeichern");
  QCOMPARE(harness.files.save_requests().size(), size_t{1});
  QVERIFY(window.Document().has_name);
  QVERIFY(std::filesystem::exists(harness.folder() / "Neu.mvc"));
}

void MainWindowTest::FirstStartOpensACopyOfTheExampleCollection() {
  MainWindowHarness harness;
  CollectionDocument doc;
  FillSampleCollection(doc);
  WriteCollection(doc, harness.ProgramFolder() / "Beispielsammlung.mvc");
  std::filesystem::create_directories(harness.ProgramFolder() / "Beispielsammlung");
  WriteFileBytes(harness.ProgramFolder() / "Beispielsammlung" / "m.jpg", "bild");

  THauptfenster& window = harness.Start();
  QCOMPARE(window.Document().file_path(), PathText(harness.DataFolder() / "Beispielsammlung.mvc"));
  QVERIFY(std::filesystem::exists(harness.DataFolder() / "Beispielsammlung" / "m.jpg"));
  QVERIFY(harness.files.open_requests().empty());
  QVERIFY(harness.Close());

  // Only the very first start: afterwards the open dialog asks as usual.
  harness.Start();
  QCOMPARE(harness.files.open_requests().size(), size_t{1});
}

void MainWindowTest::SettingsDialogRestartsAutosaveAndConvertsTheCurrency() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Waehrung.mvc").string()});
  QVERIFY(!window.SpeicherIntervall()->isActive());
  harness.dialogs.options = [](ProgramSettings& settings) {
    settings.AutoSave = true;
    settings.AutoSaveTime = "7";
    MainWindowDialogs::OptionsOutcome outcome;
    outcome.conversion = ConversionAmounts{195.583, 100};
    outcome.new_currency = "EUR";
    return outcome;
  };
  Trigger(window, "MenuExtrasOptionen");
  QCOMPARE(harness.dialogs.options_dialogs, 1);
  QVERIFY(window.SpeicherIntervall()->isActive());
  QCOMPARE(window.SpeicherIntervall()->interval(), 420000);
  // 10 DM are 5,11 EUR; the totals follow at once.
  QCOMPARE(window.Document().first_coin->catalogue, 5.11);
  QCOMPARE(window.Document().currency_symbol, std::string("EUR"));
  QVERIFY(window.Document().modified());
  QVERIFY(Panel(window, 2).endsWith(QStringLiteral(" EUR")));
  QVERIFY(!window.Statuszeile()->SimpleTextShown());

  // Without a conversion request nothing in the collection changes.
  harness.dialogs.options = [](ProgramSettings& settings) {
    settings.AutoSave = false;
    return MainWindowDialogs::OptionsOutcome{};
  };
  Trigger(window, "MenuExtrasOptionen");
  QVERIFY(!window.SpeicherIntervall()->isActive());
  QCOMPARE(window.Document().first_coin->catalogue, 5.11);
}

void MainWindowTest::LookupEditorSeesTheListsInTheFile() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Listen.mvc").string()});
  QVERIFY(!std::filesystem::exists(LookupFilePath()));
  Trigger(window, "MenuExtrasHilfsDB");
  QCOMPARE(harness.dialogs.edited_lists.size(), size_t{1});
  QVERIFY(harness.dialogs.edited_lists[0] == window.Lookups());
  // The lists are written before the editor opens, so the file it edits holds them.
  QVERIFY(std::filesystem::exists(LookupFilePath()));
  QVERIFY(LoadLookupLists(LookupFilePath()) == window.Lookups());
}

void MainWindowTest::ShippedExampleCollectionIsARealCollection() {
  const std::filesystem::path data = KORVEX_SOURCE_DATA;
  CollectionDocument doc;
  ReadCollection(doc, data / "Beispielsammlung.mvc");
  QVERIFY(doc.AreaCount() >= 5);
  QVERIFY(doc.coin_count >= 200);
  int pictures = 0;
  for (const TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    QVERIFY(coin->category >= 1 && coin->category <= doc.AreaCount());
    if (coin->av_picture.empty()) continue;
    ++pictures;
    QVERIFY(std::filesystem::exists(data / "Beispielsammlung" / coin->av_picture));
  }
  QVERIFY(pictures > 0);
}

void MainWindowTest::HelpShowsTheStartPageAndF1InTheSearchDialogItsTopic() {
  MainWindowHarness harness;
  std::filesystem::copy(std::filesystem::path(KORVEX_SOURCE_DATA) / "hilfe", harness.ProgramFolder() / "hilfe");
  THauptfenster& window = harness.Start({harness.WriteSample("Hilfe.mvc").string()});
  QVERIFY(Enabled(window, "MenuHilfeHilfethemen"));
  QCOMPARE(window.Action("MenuHilfeHilfethemen")->shortcut(), QKeySequence(Qt::Key_F1));
  Trigger(window, "MenuHilfeHilfethemen");
  gui::THilfefenster* help = gui::HelpWindowHost::WindowOf(&window);
  QVERIFY(help);
  QVERIFY(help->isVisible());
  QCOMPARE(help->Seite->source().fileName(), QStringLiteral("index.html"));

  // F1 in the search dialog on "Nur exakte Übereinstimmungen": a help window of the dialog.
  QString page;
  QString anchor;
  bool seen = false;
  WhenModalShown<gui::TFensterEingabeFenster>(
      [&](gui::TFensterEingabeFenster& dialog) {
        QApplication::setActiveWindow(&dialog);
        dialog.IstGleich->setFocus();
        QTest::keyClick(dialog.IstGleich, Qt::Key_F1);
        if (gui::THilfefenster* topic = gui::HelpWindowHost::WindowOf(&dialog)) {
          page = topic->Seite->source().fileName();
          anchor = topic->Seite->source().fragment();
        }
        dialog.EingabeAbbruch->click();
      },
      &seen);
  Trigger(window, "MenuExtrasSuchen");
  QVERIFY(seen);
  QCOMPARE(page, QStringLiteral("suchen.html"));
  QCOMPARE(anchor, QStringLiteral("exakt"));
  // The main window's help window kept its page.
  QCOMPARE(help->Seite->source().fileName(), QStringLiteral("index.html"));
}

}  // namespace korvex::test

int main(int argc, char* argv[]) {
  // German number conventions for the totals, whatever the machine's locale is.
  qputenv("LC_ALL", "de_DE.UTF-8");
  QApplication application(argc, argv);
  korvex::test::MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "mainwindow_test.moc"
