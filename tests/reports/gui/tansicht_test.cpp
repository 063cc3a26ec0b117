#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "common/tempdir.h"
#include "dialogs/lookuplists.h"
#include "dialogs/programsettings.h"
#include "platform/messages.h"
#include "reports/cardpapers.h"
#include "reports/gui/tbildfenster.h"
#include "reports/gui/tkarteidruckwahl.h"
#include "reports/pdfwords.h"
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

  ProgramSettings settings_;
  std::unique_ptr<TempDir> dir_;

  // Messages are recorded, never shown.
  class RecordedMessages final : public MessageService {
   public:
    std::vector<std::string> shown;
    MessageAnswer Show(MessageKind, const std::string& text, MessageButtons, const std::string&) override {
      shown.push_back(text);
      return MessageAnswer::kOk;
    }
  } messages_;

  // Two printers: one with an A6 paper, one without.
  class Printers final : public CardPrinterCatalogue {
   public:
    std::vector<std::string> PrinterNames() const override { return {"Buero", "Karten"}; }
    std::vector<int> PaperCodes(const std::string& printer) const override {
      return printer == "Karten" ? std::vector<int>{9, 70} : std::vector<int>{1, 9};
    }
    std::vector<std::string> PaperNames(const std::string& printer) const override {
      return printer == "Karten" ? std::vector<std::string>{"A4", "A6"}
                                 : std::vector<std::string>{"Letter", "A4"};
    }
  } printers_;

  // Confirms every print job into a PDF file of the test's folder, and counts them.
  int confirmed_ = 0;
  bool confirm_ = true;
  std::filesystem::path Pdf() const { return *dir_ / "druck.pdf"; }

  gui::DetailViewServices Services() { return {&document_, &lookups_, &format_, &places_}; }
  gui::DetailViewServices PrintingServices() {
    gui::DetailViewServices services{&document_, &lookups_, &format_, &places_, &settings_, &messages_,
                                     &printers_};
    services.confirm_print = [this](QPrinter& printer, QWidget*) {
      ++confirmed_;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(Pdf().string()));
      return confirm_;
    };
    return services;
  }

  // Saves a plain picture into the collection's picture folder.
  void SavePicture(const char* name, QSize size, Qt::GlobalColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(QString::fromStdString((*dir_ / "Sammlung" / name).string()), "JPEG"));
  }

  // Runs `act` on the modal dialog that opens next.
  template <typename Act>
  static void OnNextModal(Act act) {
    QTimer::singleShot(0, [act] {
      QWidget* modal = QApplication::activeModalWidget();
      QVERIFY(modal);
      act(modal);
    });
  }

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
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  void init() {
    dir_ = std::make_unique<TempDir>();
    std::filesystem::create_directories(*dir_ / "Sammlung");
    settings_ = ProgramSettings();
    messages_.shown.clear();
    confirmed_ = 0;
    confirm_ = true;
    document_.Reset();
    document_.SetFileName((*dir_ / "Sammlung.mvc").string());
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
    TempDir& dir = *dir_;
    QImage picture(640, 320, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    QVERIFY(picture.save(QString::fromStdString((dir / "Sammlung" / "adler.jpg").string()), "JPEG"));
    TAnsicht view(TAnsicht::Use::kTextEditor, Services());
    view.SetPicturePaths("adler.jpg", "fehlt.jpg");
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

  void hiddenPrintLabelsAndIcons() {
    auto coin = Coin();
    coin->case_ = 1;
    coin->item = "12";
    document_.Area(1)->certificate = true;
    TAnsicht view(TAnsicht::Use::kDetailView, Services());
    view.Fill(*coin);
    view.show();
    QVERIFY(view.AEtui->isVisible());
    QVERIFY(!view.AZertifikat->isVisible());
    QCOMPARE(view.AAEtui->text(), QStringLiteral("Vorhanden"));
    QCOMPARE(view.AAZertifikat->text(), QStringLiteral("Nein"));
    QCOMPARE(view.Inventarnr->text(), QStringLiteral("12"));
    QVERIFY(view.AAEtui->isHidden() && view.Inventarnr->isHidden());
    QVERIFY(view.ValueLabel("Wertsteigerung")->styleSheet().contains("red"));
    coin->case_ = 0;
    view.Fill(*coin);
    QVERIFY(!view.AEtui->isVisible());
  }

  void pictureTogglesDriveTheViewsWindows() {
    SavePicture("avers.jpg", QSize(300, 200), Qt::red);
    TAnsicht view(TAnsicht::Use::kDetailView, Services());
    view.SetPicturePaths("", "");
    view.Fill(*Coin());
    for (QPushButton* button : {view.ZeigeBild1, view.ZeigeBild2, view.ZeigeBildAlle, view.ZeigeBildKeins}) {
      QVERIFY(!button->isEnabled());
    }
    view.SetPicturePaths("avers.jpg", "fehlt.jpg");
    view.Fill(*Coin());
    view.show();
    QVERIFY(view.ZeigeBild1->isEnabled() && view.ZeigeBild2->isEnabled());
    // The missing revers picture releases and disables its toggle.
    view.ZeigeBild2->click();
    QVERIFY(!view.ZeigeBild2->isChecked());
    QVERIFY(!view.ZeigeBild2->isEnabled());
    QVERIFY(!view.Bildfenster2().isVisible());
    view.ZeigeBildAlle->click();
    QVERIFY(view.ZeigeBild1->isChecked());
    QVERIFY(view.Bildfenster1().isVisible());
    QCOMPARE(view.Bildfenster1().windowTitle(), view.windowTitle());
    QCOMPARE(view.Bildfenster1().OriginalSize(), QSize(300, 200));
    view.ZeigeBildKeins->click();
    QVERIFY(!view.ZeigeBild1->isChecked());
    QVERIFY(!view.Bildfenster1().isVisible());
    // A click on the preview toggles its window.
    QTest::mouseClick(view.Bild1, Qt::LeftButton);
    QVERIFY(view.ZeigeBild1->isChecked());
    QVERIFY(view.Bildfenster1().isVisible());
    // Filling again releases the toggles; closing the view closes its windows.
    view.Fill(*Coin());
    QVERIFY(!view.ZeigeBild1->isChecked() && view.ZeigeBild2->isEnabled());
    view.Ok->click();
    QVERIFY(!view.Bildfenster1().isVisible());
  }

  void picturesShowThemselvesWhenTheSettingsSaySo() {
    SavePicture("avers.jpg", QSize(120, 100), Qt::red);
    SavePicture("revers.jpg", QSize(120, 100), Qt::blue);
    settings_.Graphik_Auto = PictureDisplay::kWithRecord;
    TAnsicht view(TAnsicht::Use::kDetailView, PrintingServices());
    view.SetPicturePaths("avers.jpg", "revers.jpg");
    view.Fill(*Coin());
    view.show();
    QVERIFY(view.Bildfenster1().isVisible());
    QVERIFY(view.Bildfenster2().isVisible());
    QVERIFY(view.ZeigeBild1->isChecked() && view.ZeigeBild2->isChecked());
    view.reject();
    settings_.Graphik_Auto = PictureDisplay::kOnRequest;
    TAnsicht quiet(TAnsicht::Use::kDetailView, PrintingServices());
    quiet.SetPicturePaths("avers.jpg", "revers.jpg");
    quiet.Fill(*Coin());
    quiet.show();
    QVERIFY(!quiet.Bildfenster1().isVisible());
  }

  void printsTheSheetThroughThePrintDialog() {
    TAnsicht view(TAnsicht::Use::kDetailView, PrintingServices());
    view.SetFileMenuEnabled(true);
    auto coin = Coin();
    view.Fill(*coin);
    confirm_ = false;
    view.DruckenOhneBild->click();
    QCOMPARE(confirmed_, 1);
    QVERIFY(!std::filesystem::exists(Pdf()));
    confirm_ = true;
    view.findChild<QAction*>("AnsichtmenuDateiDrucken")->trigger();
    QCOMPARE(confirmed_, 2);
    QCOMPARE(view.Printer().docName(), QStringLiteral("Korvex - 10 Euro (2002)"));
    const auto words = ReadPdfWords(Pdf());
    QVERIFY(!words.empty());
    QCOMPARE(QString::fromStdString(words[0].text), QStringLiteral("10"));
    QCOMPARE(FindWords(words, "Seite:").size(), std::size_t(1));
    QCOMPARE(FindWords(words, "Herkunft").size(), std::size_t(1));
  }

  void cardSetUpChoosesPrinterAndPaperAndSwitchesCardsOff() {
    TAnsicht view(TAnsicht::Use::kDetailView, PrintingServices());
    view.SetFileMenuEnabled(true);
    QVERIFY(!view.AnsichtKarteikartendrucken->isEnabled());
    OnNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<gui::TKarteidruckwahl*>(modal);
      QVERIFY(dialog);
      QCOMPARE(dialog->Drucker->currentRow(), 0);
      // The first printer has no A6 paper: its first paper is preselected.
      QCOMPARE(dialog->Papiergroessen->currentRow(), 0);
      dialog->Drucker->setCurrentRow(1);
      emit dialog->Drucker->itemClicked(dialog->Drucker->item(1));
      QCOMPARE(dialog->Papiergroessen->count(), 2);
      QCOMPARE(dialog->Papiergroessen->currentItem()->text(), QStringLiteral("A6"));
      dialog->ButtonOK->click();
    });
    view.SetUpCards();
    QCOMPARE(settings_.Printer_Kartei_Drucker, std::string("Karten"));
    QCOMPARE(settings_.Printer_Kartei_Papiertyp, 70);
    QVERIFY(view.AnsichtKarteikartendrucken->isEnabled());
    // Opened again, the stored printer and paper are selected.
    OnNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<gui::TKarteidruckwahl*>(modal);
      QVERIFY(dialog);
      QCOMPARE(dialog->Drucker->currentItem()->text(), QStringLiteral("Karten"));
      QCOMPARE(dialog->Papiergroessen->currentRow(), 1);
      dialog->ButtonReset->click();
    });
    view.SetUpCards();
    QVERIFY(settings_.Printer_Kartei_Drucker.empty());
    QCOMPARE(settings_.Printer_Kartei_Papiertyp, 0);
    QVERIFY(!view.AnsichtKarteikartendrucken->isEnabled());
    QVERIFY(messages_.shown.empty());
  }

  void cardPrintLeavesThePrinterAsItWas() {
    settings_.Printer_Kartei_Drucker = "Karten";
    settings_.Printer_Kartei_Papiertyp = 70;
    TAnsicht view(TAnsicht::Use::kDetailView, PrintingServices());
    view.SetFileMenuEnabled(true);
    QVERIFY(view.AnsichtKarteikartendrucken->isEnabled());
    view.Fill(*Coin());
    view.Printer().setPageOrientation(QPageLayout::Portrait);
    view.Printer().setPageSize(QPageSize(QPageSize::A4));
    const QPageLayout before = view.Printer().pageLayout();
    confirm_ = false;
    view.AnsichtKarteikartendrucken->trigger();
    QCOMPARE(confirmed_, 1);
    QVERIFY(view.Printer().pageLayout().isEquivalentTo(before));
    QVERIFY(!std::filesystem::exists(Pdf()));
    confirm_ = true;
    view.PrintCard();
    QCOMPARE(view.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(view.Printer().pageLayout().pageSize().id(), QPageSize::A4);
    const auto words = ReadPdfWords(Pdf());
    QCOMPARE(FindWords(words, "Bemerkungen,").size(), std::size_t(1));
  }

  void moneyFollowsTheLocalesCurrencyPosition() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TAnsicht before(TAnsicht::Use::kDetailView, Services());
    before.Fill(*Coin());
    QCOMPARE(before.ValueLabel("Katalogwert")->text(), QStringLiteral("EUR 1.234,50"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TAnsicht after(TAnsicht::Use::kDetailView, Services());
    after.Fill(*Coin());
    QCOMPARE(after.ValueLabel("Katalogwert")->text(), QStringLiteral("1.234,50 EUR"));
  }

  void escapeClosesTheView() {
    TAnsicht view(TAnsicht::Use::kDetailView, Services());
    view.show();
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), int(QDialog::Rejected));
  }
};

}  // namespace korvex::test

QTEST_MAIN(korvex::test::TAnsichtTest)
#include "tansicht_test.moc"
