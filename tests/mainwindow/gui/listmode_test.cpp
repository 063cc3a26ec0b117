// The list mode of the real main window offscreen: the two picture windows follow the selected
// coin, a missing picture closes both and says so in the message panel.
#include <QApplication>
#include <QProcess>
#include <QTest>

#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/listmodepictures.h"
#include "mainwindow/gui/mainwindowharness.h"
#include "mainwindow/gui/samplecollection.h"
#include "reports/gui/tbildfenster.h"

namespace korvex::test {
namespace {

TDaten* CoinWithSchoen(CollectionDocument& doc, const std::string& schoen) {
  for (TDaten* coin = doc.first_coin; coin; coin = coin->next) {
    if (coin->schoen == schoen) return coin;
  }
  return nullptr;
}

}  // namespace

class ListModeTest : public QObject {
  Q_OBJECT

 private slots:
  void SelectedCoinShowsItsTwoPictures();
  void OtherPictureSettingsShowNoWindows();

 private:
  // A collection of the sample coins whose area 1 has pictures: coin "S1" both sides, "S2" a
  // missing avers, "S3" only an avers; with `display` as the picture setting.
  std::filesystem::path Prepare(MainWindowHarness& harness, PictureDisplay display);
  // Makes the row that shows the coin with `schoen` current, as a click would.
  void Select(THauptfenster& window, const std::string& schoen);
};

std::filesystem::path ListModeTest::Prepare(MainWindowHarness& harness, PictureDisplay display) {
  CollectionDocument doc;
  FillSampleCollection(doc);
  CoinWithSchoen(doc, "S1")->av_picture = "avers1.jpg";
  CoinWithSchoen(doc, "S1")->av_motive = "Adler";
  CoinWithSchoen(doc, "S1")->rv_picture = "revers1.bmp";
  CoinWithSchoen(doc, "S2")->av_picture = "fehlt.jpg";
  CoinWithSchoen(doc, "S3")->av_picture = "avers3.pcx";
  const std::filesystem::path path = harness.folder() / "Bilder.mvc";
  WriteCollection(doc, path);
  const std::filesystem::path pictures = harness.folder() / "Bilder";
  std::filesystem::create_directories(pictures);
  const auto make = [&](const QString& picture, const std::string& file) {
    QStringList arguments = picture.split(' ');
    arguments.last() += QString::fromStdString((pictures / file).string());
    QCOMPARE(QProcess::execute("convert", arguments), 0);
  };
  make("-size 120x80 xc:gold JPG:", "avers1.jpg");
  make("-size 90x60 xc:silver -type truecolor BMP3:", "revers1.bmp");
  make("-size 64x64 xc:teal -colors 256 pcx:", "avers3.pcx");
  ProgramSettings settings;
  settings.Graphik_Auto = display;
  settings.Graphik_Autoformat = true;
  settings.Graphik_Pos = PicturePlace::kRight;
  WriteSettings(harness.store(), settings);
  return path;
}

void ListModeTest::Select(THauptfenster& window, const std::string& schoen) {
  // The main window settles on the screen first, so that the pictures are placed beside it.
  QApplication::processEvents();
  window.SelectCoin(CoinWithSchoen(window.Document(), schoen));
  QCOMPARE(window.CoinOfRow()->schoen, schoen);
}

void ListModeTest::SelectedCoinShowsItsTwoPictures() {
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({Prepare(harness, PictureDisplay::kListMode).string()});
  ListModePictures* pictures = window.PictureWindows();
  QVERIFY(pictures);
  TBildfenster& avers = pictures->Avers();
  TBildfenster& revers = pictures->Revers();

  Select(window, "S3");
  Select(window, "S1");
  QVERIFY(avers.isVisible());
  QVERIFY(revers.isVisible());
  QCOMPARE(avers.Picture().size(), QSize(120, 80));
  QCOMPARE(revers.Picture().size(), QSize(90, 60));
  QCOMPARE(revers.Picture().pixelColor(45, 30), QColor("silver"));
  QCOMPARE(avers.windowTitle(), QStringLiteral("Adler"));
  // Right of the main window, the revers below the avers.
  QCOMPARE(avers.frameGeometry().topLeft(),
           QPoint(window.frameGeometry().x() + window.frameGeometry().width(), window.frameGeometry().y()));
  QCOMPARE(revers.frameGeometry().topLeft(), avers.frameGeometry().bottomLeft() + QPoint(0, 1));
  QCOMPARE(Panel(window, 0), QString());

  Select(window, "S2");
  QVERIFY(!avers.isVisible());
  QVERIFY(!revers.isVisible());
  QCOMPARE(Panel(window, 0), QStringLiteral("Bild nicht gefunden!"));

  Select(window, "S3");
  QVERIFY(avers.isVisible());
  QVERIFY(!revers.isVisible());
  QCOMPARE(avers.Picture().pixelColor(10, 10), QColor("teal"));
  QCOMPARE(Panel(window, 0), QString());

  // A keyboard move reaches the pictures too: the rows follow the Schön numbers.
  Select(window, "S2");
  QVERIFY(!avers.isVisible());
  QTest::keyClick(window.Datenbereich(), Qt::Key_Down);
  QCOMPARE(window.CoinOfRow()->schoen, std::string("S3"));
  QVERIFY(avers.isVisible());
  QCOMPARE(avers.Picture().size(), QSize(64, 64));
  QCOMPARE(Panel(window, 0), QString());

  // Closing leaves the windows' last places in the settings store.
  Select(window, "S1");
  avers.move(123, 45);
  QTRY_COMPARE(avers.pos(), QPoint(123, 45));
  QVERIFY(harness.Close());
  WindowPlaces stored;
  QVERIFY(ReadWindowPlaces(harness.store(), stored));
  QCOMPARE(stored.Graphik_Links, 123);
  QCOMPARE(stored.Graphik_Oben, 45);
}

void ListModeTest::OtherPictureSettingsShowNoWindows() {
  for (PictureDisplay display : {PictureDisplay::kOnRequest, PictureDisplay::kWithRecord}) {
    MainWindowHarness harness;
    THauptfenster& window = harness.Start({Prepare(harness, display).string()});
    Select(window, "S1");
    QVERIFY(!window.PictureWindows()->Avers().isVisible());
    QVERIFY(!window.PictureWindows()->Revers().isVisible());
    QCOMPARE(Panel(window, 0), QString());
  }
  // "&Automatisch (immer)" shows them like the list mode.
  MainWindowHarness harness;
  THauptfenster& window = harness.Start({Prepare(harness, PictureDisplay::kAlways).string()});
  Select(window, "S1");
  QVERIFY(window.PictureWindows()->Avers().isVisible());
}

}  // namespace korvex::test

QTEST_MAIN(korvex::test::ListModeTest)
#include "listmode_test.moc"
