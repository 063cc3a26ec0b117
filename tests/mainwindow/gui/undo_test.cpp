// "&Rückgängig" and "&Wiederholen" through the real main window: the grid, the selection, the
// menu texts and "Geändert" after undo and redo, and the history across saving and opening.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "dialogs/gui/tfenstereingabefenster.h"
#include "mainwindow/gridcolumns.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowcommands.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/tpreisfenster.h"

namespace korvex::test {
namespace {

// The texts of every shown row, column by column, as the grid shows them.
QStringList GridRows(THauptfenster& window) {
  QStringList rows;
  const QAbstractItemModel* model = window.Datenbereich()->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column) {
      cells << model->data(model->index(row, column)).toString();
    }
    rows << cells.join('|');
  }
  return rows;
}

std::string Selected(THauptfenster& window) {
  const TDaten* coin = window.CoinOfRow();
  return coin ? coin->item : std::string("-");
}

// Shortcuts reach only the active window, and a dialog that was shown took that away.
void PressKeys(THauptfenster& window, Qt::Key key) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.Datenbereich(), key, Qt::ControlModifier);
}

}  // namespace

class UndoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void DeletedCoinComesBackWithCtrlZ();
  void ChangeAndDeleteAreStepsOfTheirOwn();
  void SaveThenUndoMarksTheDocumentChanged();
  void OpeningClearsTheHistoryAndReadOnlyHasNone();
  void ColumnMoveAndWidthDragAreSteps();
  void EachPassOfTheQuickPriceChangeIsAStep();

 private:
  // A started window on the sample collection showing area 1 ("1", "2", "3").
  THauptfenster& Start(MainWindowHarness& harness) {
    const std::filesystem::path path = harness.WriteSample("Sammlung.mvc");
    THauptfenster& window = harness.Start({path.string()});
    window.ShowView(1);
    return window;
  }
  void Delete(MainWindowHarness& harness, const std::string& item) {
    THauptfenster& window = harness.window();
    for (TDaten* coin = window.Document().first_coin; coin; coin = coin->next) {
      if (coin->item == item) window.SelectCoin(coin);
    }
    QCOMPARE(Selected(window), item);
    harness.dialogs.modal_scripts.push_back(
        [](QDialog& dialog) { dynamic_cast<gui::TFensterEingabeFenster&>(dialog).EingabeOk->click(); });
    Trigger(window, "MenuBearbeitenLoeschen");
    QVERIFY(harness.dialogs.modal_scripts.empty());
  }
};

void UndoWindowTest::DeletedCoinComesBackWithCtrlZ() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  QVERIFY(!Enabled(window, "MenuBearbeitenRueckgaengig"));
  QCOMPARE(window.Action("MenuBearbeitenRueckgaengig")->text(), QString::fromUtf8("&Rückgängig"));
  // Both items stand at the top of "&Bearbeiten", the buttons in the toolbar `Datensatz`.
  const QList<QAction*> items = window.Commands().Menu("MenuBearbeiten")->actions();
  QCOMPARE(items[0], window.Action("MenuBearbeitenRueckgaengig"));
  QCOMPARE(items[1], window.Action("MenuBearbeitenWiederholen"));
  QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  QCOMPARE(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  QVERIFY(window.Toolbar("Datensatz")->actions().contains(window.Action("SpeedRueckgaengig")));
  QVERIFY(window.Toolbar("Datensatz")->actions().contains(window.Action("SpeedWiederholen")));

  const QStringList before = GridRows(window);
  QCOMPARE(before.size(), 3);
  Delete(harness, "2");
  QCOMPARE(GridRows(window).size(), 2);
  QCOMPARE(Panel(window, 4), QString::fromUtf8("Geändert"));
  QVERIFY(Enabled(window, "MenuBearbeitenRueckgaengig"));
  QVERIFY(Enabled(window, "SpeedRueckgaengig"));
  QVERIFY(window.Action("MenuBearbeitenRueckgaengig")->text().startsWith(QString::fromUtf8("&Rückgängig: Löschen von ")));
  QVERIFY(!Enabled(window, "MenuBearbeitenWiederholen"));

  window.ShowView(kAllCoinsView);  // the undo returns to the view of the step
  PressKeys(window, Qt::Key_Z);
  QCOMPARE(window.Document().current_view, 1);
  QCOMPARE(GridRows(window), before);
  QCOMPARE(Selected(window), std::string("2"));
  QCOMPARE(Panel(window, 4), QString());
  QVERIFY(!Enabled(window, "MenuBearbeitenRueckgaengig"));
  QVERIFY(Enabled(window, "SpeedWiederholen"));
  QVERIFY(window.Action("MenuBearbeitenWiederholen")->text().startsWith(QString::fromUtf8("&Wiederholen: Löschen von ")));

  if (const QByteArray folder = qgetenv("KORVEX_SCREENSHOT_DIR"); !folder.isEmpty()) {
    window.resize(900, 500);
    QTest::qWait(300);
    window.grab().save(QString::fromLocal8Bit(folder) + "/undo_grid.png");
    // The menu opened on the second step, so that it names the step it would take back.
    Delete(harness, "3");
    QMenu* menu = window.Commands().Menu("MenuBearbeiten");
    QTimer::singleShot(600, [menu, folder] {
      QApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(folder) + "/undo_menu.png");
      menu->close();
    });
    menu->exec(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    PressKeys(window, Qt::Key_Z);
  }

  PressKeys(window, Qt::Key_Y);
  QCOMPARE(GridRows(window).size(), 2);
  QCOMPARE(Panel(window, 4), QString::fromUtf8("Geändert"));
}

void UndoWindowTest::ChangeAndDeleteAreStepsOfTheirOwn() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  const QStringList start = GridRows(window);
  window.SelectCoin(window.Document().first_coin);
  harness.dialogs.modal_scripts.push_back([](QDialog& dialog) {
    auto& entry = dynamic_cast<gui::TFensterEingabeFenster&>(dialog);
    entry.EingabePraegezahl->setText("77");
    entry.EingabeOk->click();
  });
  Trigger(window, "MenuBearbeitenAendern");
  const QStringList changed = GridRows(window);
  QVERIFY(changed != start);
  QVERIFY(window.Action("MenuBearbeitenRueckgaengig")->text().contains(QString::fromUtf8("Änderung von 77")));
  Delete(harness, "3");
  Trigger(window, "SpeedRueckgaengig");
  QCOMPARE(GridRows(window), changed);
  Trigger(window, "SpeedRueckgaengig");
  QCOMPARE(GridRows(window), start);
  QCOMPARE(window.History().StepCount(), 2);
}

void UndoWindowTest::SaveThenUndoMarksTheDocumentChanged() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  Delete(harness, "1");
  Trigger(window, "MenuDateiSpeichern");
  QCOMPARE(Panel(window, 4), QString());
  QVERIFY(!window.Document().modified());
  PressKeys(window, Qt::Key_Z);
  QCOMPARE(Panel(window, 4), QString::fromUtf8("Geändert"));
  QVERIFY(window.Document().modified());
  PressKeys(window, Qt::Key_Y);
  QCOMPARE(Panel(window, 4), QString());
  QVERIFY(!window.Document().modified());
}

void UndoWindowTest::OpeningClearsTheHistoryAndReadOnlyHasNone() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  Delete(harness, "1");
  QCOMPARE(window.History().StepCount(), 1);
  const std::filesystem::path other = harness.WriteSample("Andere.mvc");
  harness.messages.Answer(MessageAnswer::kNo);  // do not save the changes
  harness.files.Choose({other.string(), 1, true});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(harness.messages.AllAnswersUsed());
  QCOMPARE(window.History().StepCount(), 0);
  QVERIFY(!window.History().enabled());
  QVERIFY(!Enabled(window, "MenuBearbeitenRueckgaengig"));

  harness.files.Choose({other.string(), 1, false});
  Trigger(window, "MenuDateiOeffnen");
  QVERIFY(window.History().enabled());
  Delete(harness, "2");
  QCOMPARE(window.History().StepCount(), 1);
  harness.messages.Answer(MessageAnswer::kNo);
  Trigger(window, "MenuDateiNeu");
  QCOMPARE(window.History().StepCount(), 0);
}

void UndoWindowTest::ColumnMoveAndWidthDragAreSteps() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  const std::vector<TZelle> start = ViewColumns(window.Document());
  TDatenbereich* grid = window.Datenbereich();
  emit grid->ColumnMoved(0, 2);
  const std::vector<TZelle> moved = ViewColumns(window.Document());
  QCOMPARE(moved[2].type, start[0].type);
  QCOMPARE(window.Action("MenuBearbeitenRueckgaengig")->text(),
           QString::fromUtf8("&Rückgängig: Verschieben einer Spalte"));

  // A drag reports every width on its way; letting go ends one step.
  emit grid->ColumnResized(1, 150);
  emit grid->ColumnResized(1, 170);
  grid->setColumnWidth(1, 170);
  emit grid->WidthDragFinished();
  QCOMPARE(ViewColumns(window.Document())[1].width, 170);
  QCOMPARE(window.History().StepCount(), 2);
  QCOMPARE(window.Action("MenuBearbeitenRueckgaengig")->text(), QString::fromUtf8("&Rückgängig: Spaltenbreite"));

  // A width change without the release (a double click on the divider) is finished by the undo.
  emit grid->ColumnResized(3, 33);
  PressKeys(window, Qt::Key_Z);
  QCOMPARE(window.History().StepCount(), 3);
  QCOMPARE(ViewColumns(window.Document())[3].width, moved[3].width);
  QCOMPARE(ViewColumns(window.Document())[1].width, 170);
  PressKeys(window, Qt::Key_Z);
  PressKeys(window, Qt::Key_Z);
  QVERIFY(ViewColumns(window.Document()) == start);
  QCOMPARE(grid->columnWidth(1), start[1].width);
  PressKeys(window, Qt::Key_Y);
  QVERIFY(ViewColumns(window.Document()) == moved);
}

void UndoWindowTest::EachPassOfTheQuickPriceChangeIsAStep() {
  MainWindowHarness harness;
  THauptfenster& window = Start(harness);
  const QStringList start = GridRows(window);
  window.SelectCoin(window.Document().first_coin);
  const auto price = [](const char* text, bool next) {
    return [text, next](QDialog& dialog) {
      auto& form = dynamic_cast<TPreisfenster&>(dialog);
      form.Preis->setText(text);
      next ? form.Naechste->click() : form.OK->click();
    };
  };
  harness.dialogs.modal_scripts.push_back(price("1,25", true));
  harness.dialogs.modal_scripts.push_back(price("7,77", false));
  Trigger(window, "MenuBearbeitenPreisaendern");
  QVERIFY(harness.dialogs.modal_scripts.empty());
  QCOMPARE(window.History().StepCount(), 2);
  QVERIFY(window.Action("MenuBearbeitenRueckgaengig")->text().contains(QString::fromUtf8("Preisänderung von")));
  const QStringList both = GridRows(window);
  QVERIFY(both.join(QChar(10)).contains("1,25") && both.join(QChar(10)).contains("7,77"));
  PressKeys(window, Qt::Key_Z);
  QVERIFY(GridRows(window).join(QChar(10)).contains("1,25"));
  QVERIFY(!GridRows(window).join(QChar(10)).contains("7,77"));
  PressKeys(window, Qt::Key_Z);
  QCOMPARE(GridRows(window), start);
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::UndoWindowTest)
#include "undo_test.moc"
