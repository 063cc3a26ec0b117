#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "common/tempdir.h"
#include "dialogs/lookuplists.h"
#include "dialogs/windowplaces.h"
#include "model/collectiondocument.h"
#include "model/datetime.h"
#include "model/formatsettings.h"
#include "reports/gui/tansicht.h"

using korvex::gui::TAnsicht;

namespace korvex::test {

class TAnsichtTest : public QObject {
  Q_OBJECT

 private:
  CollectionDocument document_;
  LookupLists lookups_;
  FormatSettings format_ = FormatSettings::German();
  WindowPlaces places_;

  gui::DetailViewServices Services() { return {&document_, &lookups_, &format_, &places_}; }

  static std::unique_ptr<TDaten> Coin() {
    auto owned = std::make_unique<TDaten>();
    TDaten& coin = *owned;
    coin.category = 1;
    coin.numeral = "10";
    coin.currency = "Euro";
    coin.year = "2002";
    coin.quality = "st";
    coin.schoen = "S-1";
    coin.other1 = "KM-9";
    coin.count = 2;
    coin.catalogue = 1234.5;
    coin.purchaseprice = 2469;
    coin.diameter_minimum = 32.5f;
    coin.diameter_maximum = 0;
    coin.circulation = 1000000;
    coin.z1 = "Erbst\xFC" "ck";
    return owned;
  }

 private slots:
  void init() {
    document_.Reset();
    auto area = std::make_unique<TKategorie>();
    area->name = "Euro";
    area->SetNumberKind(2, 5);
    area->other_name = "Krause";
    area->z_active[0] = true;
    area->z_name[0] = "Herkunft";
    area->city = false;
    document_.areas.push_back(std::move(area));
    document_.currency_symbol = "EUR";
    lookups_[LookupList::kQualitaet] = {"st=Stempelglanz"};
  }

  void noteEditorHidesPrintingAndTakesTabs() {
    TAnsicht view(TAnsicht::Use::kTextEditor, Services());
    view.SetAreaNumber(1);
    view.Fill(*Coin());
    view.SetNoteText("Zeile 1\r\nZeile 2");
    view.show();
    QVERIFY(view.DruckenMitBild->isHidden());
    QVERIFY(view.DruckenOhneBild->isHidden());
    QVERIFY(view.Prev->isHidden() && view.Next->isHidden());
    QVERIFY(!view.AnsichtText->isReadOnly());
    QVERIFY(!view.AnsichtText->tabChangesFocus());
    QCOMPARE(view.AnsichtText->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
    view.AnsichtText->moveCursor(QTextCursor::End);
    QTest::keyClick(view.AnsichtText, Qt::Key_Tab);
    QTest::keyClick(view.AnsichtText, Qt::Key_Return);
    QTest::keyClicks(view.AnsichtText, "neu");
    QCOMPARE(view.NoteText(), std::string("Zeile 1\r\nZeile 2\t\r\nneu"));
    view.Ok->click();
    QCOMPARE(view.result(), int(QDialog::Accepted));
  }

  void detailViewIsReadOnly() {
    TAnsicht view(TAnsicht::Use::kDetailView, Services());
    QVERIFY(view.AnsichtText->isReadOnly());
    QVERIFY(view.AnsichtText->tabChangesFocus());
    QVERIFY(view.Abbruch->isHidden());
    QVERIFY(!view.Next->isHidden());
    view.show();
    view.Next->click();
    QVERIFY(view.NextPressed());
    QVERIFY(!view.PrevPressed());
  }

  void fillShowsTheFieldsOfTheArea() {
    TAnsicht view(TAnsicht::Use::kTextEditor, Services());
    view.SetAreaNumber(1);
    view.Fill(*Coin());
    QCOMPARE(view.windowTitle(), QStringLiteral("10 Euro (2002)"));
    QCOMPARE(view.ValueLabel("Sammelgebiet")->text(), QStringLiteral("Euro"));
    QCOMPARE(view.ValueLabel("Qualitaet")->text(), QStringLiteral("st  -  Stempelglanz"));
    QCOMPARE(view.CaptionLabel("ANummer1")->text(), QString::fromUtf8("Schön-Nr.:"));
    QCOMPARE(view.ValueLabel("ANummer1")->text(), QStringLiteral("S-1"));
    QCOMPARE(view.CaptionLabel("ANummer2")->text(), QStringLiteral("Krause:"));
    QCOMPARE(view.ValueLabel("ANummer2")->text(), QStringLiteral("KM-9"));
    QCOMPARE(view.ValueLabel("ANummer2")->toolTip(), QStringLiteral("KM-9"));
    QVERIFY(view.ValueLabel("ANummer3")->isHidden());
    QCOMPARE(view.ValueLabel("Katalogwert")->text(), QStringLiteral("1.234,50 EUR"));
    QCOMPARE(view.ValueLabel("Gesamtwert")->text(), QStringLiteral("2.469,00 EUR"));
    QCOMPARE(view.ValueLabel("Wertsteigerung")->text(), QStringLiteral("-50,00%"));
    QVERIFY(view.ValueLabel("Wertsteigerung")->styleSheet().contains("red"));
    QCOMPARE(view.ValueLabel("Durchmesser")->text(), QStringLiteral("32,50 mm"));
    QCOMPARE(view.ValueLabel("Auflage")->text(), QString::fromUtf8("1.000.000 Stück"));
    QCOMPARE(view.CaptionLabel("Zusatz1")->text(), QStringLiteral("Herkunft"));
    QCOMPARE(view.ValueLabel("Zusatz1")->text(), QString::fromUtf8("Erbstück"));
    QVERIFY(view.ValueLabel("Zusatz2")->isHidden());
    QVERIFY(view.ValueLabel("AStadt")->isHidden() && view.CaptionLabel("AStadt")->isHidden());
    QVERIFY(!view.ValueLabel("Kaufpreis")->isHidden());
    QVERIFY(view.DatumLabel->text().startsWith("Angelegt am: "));
    QVERIFY(view.Bild1->isHidden());
  }

  void previewShrinksAPictureOfThePictureFolder() {
    TempDir dir;
    document_.SetFileName((dir / "Sammlung.mvc").string());
    std::filesystem::create_directories(dir / "Sammlung");
    QImage picture(640, 320, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    QVERIFY(picture.save(QString::fromStdString((dir / "Sammlung" / "adler.png").string())));
    TAnsicht view(TAnsicht::Use::kTextEditor, Services());
    view.SetPicturePaths("adler.png", "fehlt.png");
    view.Fill(*Coin());
    QVERIFY(!view.Bild1->isHidden());
    QCOMPARE(view.Bild1->pixmap().size(), QSize(160, 80));
    QVERIFY(view.Bild2->isHidden());
  }

  void positionIsRemembered() {
    places_.WdLinksAnzeige = 40;
    places_.WdObenAnzeige = 30;
    TAnsicht view(TAnsicht::Use::kTextEditor, Services());
    view.show();
    QCOMPARE(view.pos(), QPoint(40, 30));
    view.move(70, 80);
    view.reject();
    QCOMPARE(places_.WdLinksAnzeige, 70);
    QCOMPARE(places_.WdObenAnzeige, 80);
  }
};

}  // namespace korvex::test

QTEST_MAIN(korvex::test::TAnsichtTest)
#include "tansicht_test.moc"
