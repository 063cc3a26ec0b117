// The detail view opened from the real main window offscreen: F8 opens the selected coin, ">" and
// "<" step through the rows the window shows, and the row last looked at is selected afterwards.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "platform/widetext.h"
#include "reports/detailviewtexts.h"
#include "reports/gui/tansicht.h"

namespace korvex::test {

class DetailViewTest : public QObject {
  Q_OBJECT

 private slots:
  void NextAndPrevStepThroughTheShownRows();

 private:
  // Plays `steps` on the detail views that open one after another: each step sees the view and
  // presses one of its buttons; the titles of the views seen are recorded.
  void Play(std::vector<std::function<QPushButton*(gui::TAnsicht&)>> steps);
  std::vector<QString> titles_;
};

void DetailViewTest::Play(std::vector<std::function<QPushButton*(gui::TAnsicht&)>> steps) {
  auto next = std::make_shared<std::size_t>(0);
  auto* poll = new QTimer(this);
  poll->setInterval(10);
  connect(poll, &QTimer::timeout, this, [this, poll, next, steps] {
    auto* view = qobject_cast<gui::TAnsicht*>(QApplication::activeModalWidget());
    // "<" and ">" stay pressed until the view shows the next coin.
    if (!view || !view->isVisible() || view->NextPressed() || view->PrevPressed()) return;
    titles_.push_back(view->windowTitle());
    steps[(*next)++](*view)->click();
    if (*next == steps.size()) poll->stop();
  });
  poll->start();
}

void DetailViewTest::NextAndPrevStepThroughTheShownRows() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({harness.WriteSample("Muenzen.mvc").string()});
  QApplication::processEvents();
  const GridView& grid = window.Grid();
  QVERIFY(grid.ShownCount() >= 3);
  window.Datenbereich()->SetCurrentRow(1);
  auto caption = [&grid](int row) {
    return FromWin1252(DetailViewCaption(*grid.CoinOfRow(row)));
  };
  // The rows' coins tell apart by their captions.
  QVERIFY(caption(1) != caption(2) && caption(2) != caption(3));
  Play({[](gui::TAnsicht& v) { return v.Next; }, [](gui::TAnsicht& v) { return v.Next; },
        [](gui::TAnsicht& v) { return v.Prev; }, [](gui::TAnsicht& v) { return v.Ok; }});
  window.Action("MenuAnsichtOeffnen")->trigger();
  QCOMPARE(titles_.size(), std::size_t(4));
  QCOMPARE(titles_[0], caption(1));
  QCOMPARE(titles_[1], caption(2));
  QCOMPARE(titles_[2], caption(3));
  QCOMPARE(titles_[3], caption(2));
  QCOMPARE(window.Datenbereich()->CurrentRow(), 2);
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::DetailViewTest)
#include "detailview_test.moc"
