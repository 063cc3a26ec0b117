// The picture window offscreen: its size rule, the six place options, the remembered slots and
// the fitting of its picture.
#include <QLabel>
#include <QTest>

#include "common/tempdir.h"
#include "files/testtools.h"
#include "model/paths.h"
#include "reports/gui/tbildfenster.h"
#include "reports/pictureloader.h"

namespace korvex::test {

class TBildfensterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void FittedToItsPictureWithAMinimumOf100();
  void RememberedSizeShrinksThePictureButNeverEnlargesIt();
  void EachPlaceOptionPutsBothWindowsWhereTheTableSays();
  void ResizingAndMovingFillTheWindowsOwnSlot();
  void EmptyNameClosesAndMissingFileThrows();
  void GrowingBeyondAScaledCopyReadsThePictureAgain();

 private:
  std::string Make(const std::string& name, const std::string& picture) {
    const std::filesystem::path path = dir_ / name;
    const int status = RunCommand("convert " + picture + " " + ShellQuoted(path.string()));
    if (status != 0) qWarning("convert failed for %s", name.c_str());
    return name;
  }
  std::string Folder() const { return PathText(dir_.path()) + "/"; }
  // Shows a picture of the test folder beside a main window at (0, 0), captioned "Bild".
  bool Show(TBildfenster& window, const std::string& name) {
    return window.ShowPicture(name, Folder(), "Bild", nullptr, QRect(0, 0, 640, 480));
  }

  TempDir dir_;
};

void TBildfensterTest::initTestCase() {
  Make("klein.bmp", "-size 50x40 xc:firebrick");
  Make("quer.bmp", "-size 400x200 xc:navy");
  Make("mittel.jpg", "-size 300x200 xc:darkgreen");
  Make("gross.jpg", "-size 1600x1200 gradient:white-black");
  QVERIFY(std::filesystem::exists(dir_ / "gross.jpg"));
}

void TBildfensterTest::FittedToItsPictureWithAMinimumOf100() {
  ProgramSettings settings;
  settings.Graphik_Autoformat = true;
  WindowPlaces places;
  places.Graphik_Breite = 640, places.Graphik_Hoehe = 480;  // ignored while the window follows its picture
  TBildfenster window(false, settings, places);
  QVERIFY(Show(window, "klein.bmp"));
  QVERIFY(window.isVisible());
  QCOMPARE(window.size(), QSize(100, 100));
  QCOMPARE(window.windowTitle(), QStringLiteral("Bild"));
  QCOMPARE(window.Bild()->pixmap().size(), QSize(50, 40));

  QVERIFY(Show(window, "mittel.jpg"));
  QCOMPARE(window.size(), QSize(300, 200));
  QCOMPARE(window.Bild()->pixmap().size(), QSize(300, 200));
  QCOMPARE(window.OriginalSize(), QSize(300, 200));
}

void TBildfensterTest::RememberedSizeShrinksThePictureButNeverEnlargesIt() {
  ProgramSettings settings;
  WindowPlaces places;
  places.Graphik2_Breite = 200, places.Graphik2_Hoehe = 150;
  TBildfenster window(true, settings, places);
  QVERIFY(Show(window, "quer.bmp"));
  QCOMPARE(window.size(), QSize(200, 150));
  QCOMPARE(window.Bild()->pixmap().size(), QSize(200, 100));
  // Centred on the button face: the top edge is background, the middle is the picture.
  const QImage shown = window.grab().toImage();
  QCOMPARE(shown.pixelColor(100, 5), window.palette().color(QPalette::Button));
  QCOMPARE(shown.pixelColor(100, 75), QColor("navy"));

  QVERIFY(Show(window, "klein.bmp"));
  QCOMPARE(window.size(), QSize(200, 150));
  QCOMPARE(window.Bild()->pixmap().size(), QSize(50, 40));
}

void TBildfensterTest::EachPlaceOptionPutsBothWindowsWhereTheTableSays() {
  // V is the accompanied window, R the first window's frame, F a window's frame size.
  const QRect v(300, 250, 500, 400);
  using Rule = QPoint (*)(const QRect& v, const QRect& r, QSize f);
  struct Case {
    PicturePlace place;
    Rule first;
    Rule second;
  };
  const Case cases[] = {
      {PicturePlace::kRight, [](const QRect& v, const QRect&, QSize) { return QPoint(v.x() + v.width(), v.y()); },
       [](const QRect&, const QRect& r, QSize) { return QPoint(r.x(), r.y() + r.height()); }},
      {PicturePlace::kBelow, [](const QRect& v, const QRect&, QSize) { return QPoint(v.x(), v.y() + v.height()); },
       [](const QRect&, const QRect& r, QSize) { return QPoint(r.x() + r.width(), r.y()); }},
      {PicturePlace::kTopLeft, [](const QRect&, const QRect&, QSize) { return QPoint(1, 1); },
       [](const QRect&, const QRect& r, QSize) { return QPoint(1, r.height() + 1); }},
      {PicturePlace::kAbove, [](const QRect& v, const QRect&, QSize f) { return QPoint(v.x(), v.y() - f.height()); },
       [](const QRect& v, const QRect& r, QSize f) { return QPoint(r.x() + r.width(), v.y() - f.height()); }},
      {PicturePlace::kLeft, [](const QRect& v, const QRect&, QSize f) { return QPoint(v.x() - f.width(), v.y()); },
       [](const QRect& v, const QRect& r, QSize f) { return QPoint(v.x() - f.width(), r.y() + r.height()); }},
      {PicturePlace::kAsLastTime, [](const QRect&, const QRect&, QSize) { return QPoint(11, 22); },
       [](const QRect&, const QRect&, QSize) { return QPoint(33, 44); }},
  };
  for (const Case& c : cases) {
    ProgramSettings settings;
    settings.Graphik_Autoformat = true;
    settings.Graphik_Pos = c.place;
    WindowPlaces places;
    places.Graphik_Links = 11, places.Graphik_Oben = 22, places.Graphik2_Links = 33, places.Graphik2_Oben = 44;
    TBildfenster first(false, settings, places);
    TBildfenster second(true, settings, places);
    QVERIFY(first.ShowPicture("klein.bmp", Folder(), "Avers", nullptr, v));
    QVERIFY(second.ShowPicture("mittel.jpg", Folder(), "Revers", &first, v));
    const QRect r = first.frameGeometry();
    QCOMPARE(r.topLeft(), c.first(v, r, r.size()));
    QCOMPARE(second.frameGeometry().topLeft(), c.second(v, r, second.frameGeometry().size()));
  }
}

void TBildfensterTest::ResizingAndMovingFillTheWindowsOwnSlot() {
  ProgramSettings settings;
  WindowPlaces places;
  places.Graphik2_Breite = 200, places.Graphik2_Hoehe = 150;
  TBildfenster window(true, settings, places);
  QVERIFY(Show(window, "quer.bmp"));
  window.resize(320, 240);
  window.move(77, 88);
  QTRY_COMPARE(window.pos(), QPoint(77, 88));
  QCOMPARE(places.Graphik2_Breite, 320);
  QCOMPARE(places.Graphik2_Hoehe, 240);
  QCOMPARE(places.Graphik2_Links, 77);
  QCOMPARE(places.Graphik2_Oben, 88);
  QCOMPARE(places.Graphik_Breite, 0);  // the first window's slot is untouched
  QCOMPARE(places.Graphik_Links, WindowPlaces().Graphik_Links);
  // The kept picture is fitted again: 320 × 160 in 320 × 240.
  QCOMPARE(window.Bild()->pixmap().size(), QSize(320, 160));
}

void TBildfensterTest::EmptyNameClosesAndMissingFileThrows() {
  ProgramSettings settings;
  WindowPlaces places;
  TBildfenster window(false, settings, places);
  QVERIFY(Show(window, "klein.bmp"));
  QVERIFY(!Show(window, ""));
  QVERIFY(!window.isVisible());
  QVERIFY(Show(window, "klein.bmp"));
  QVERIFY(!Show(window, "."));
  QVERIFY(!window.isVisible());
  QVERIFY_THROWS_EXCEPTION(EPictureError,
                           Show(window, "fehlt.jpg"));
}

void TBildfensterTest::GrowingBeyondAScaledCopyReadsThePictureAgain() {
  ProgramSettings settings;
  WindowPlaces places;
  places.Graphik_Breite = 200, places.Graphik_Hoehe = 150;
  TBildfenster window(false, settings, places);
  QVERIFY(Show(window, "gross.jpg"));
  // Decoded at an eighth for the small window: no more pixels than it shows.
  QCOMPARE(window.Picture().size(), QSize(200, 150));
  QCOMPARE(window.OriginalSize(), QSize(1600, 1200));
  window.resize(800, 600);
  QCOMPARE(window.Picture().size(), QSize(800, 600));
  QCOMPARE(window.Bild()->pixmap().size(), QSize(800, 600));
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::TBildfensterTest)
#include "tbildfenster_test.moc"
