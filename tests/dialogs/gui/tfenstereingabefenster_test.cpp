#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "dialogs/gui/entrydialogfixture.h"
#include "dialogs/gui/tdateform.h"
#include "dialogs/gui/updown.h"
#include "help/helptopics.h"
#include "platform/widetext.h"
#include "common/modalhelper.h"
#include "reports/gui/tansicht.h"

using korvex::gui::TFensterEingabeFenster;

namespace korvex::test {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

bool RowShown(TFensterEingabeFenster& dialog, QWidget* control) {
  const QLabel* label = dialog.LabelOf(control);
  const bool shown = !control->isHidden();
  if (label != nullptr && label->isHidden() == shown) {
    qWarning() << "label and control disagree:" << control->objectName();
  }
  return shown;
}

}  // namespace

class EntryDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<EntryDialogFixture> f_;
  std::unique_ptr<TFensterEingabeFenster> dialog_;

  TFensterEingabeFenster& Open(EntryPurpose purpose, const TDaten& coin) {
    dialog_ = std::make_unique<TFensterEingabeFenster>(f_->Services());
    dialog_->SetPurpose(purpose);
    dialog_->LoadRecord(coin);
    return *dialog_;
  }

 private slots:
  void init() { f_ = std::make_unique<EntryDialogFixture>(); }
  void cleanup() {
    dialog_.reset();
    f_.reset();
  }

  void newCoinShowsTheRowsOfItsArea() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    QCOMPARE(d.Kategoriewahl->count(), 3);
    QCOMPARE(d.Kategoriewahl->currentText(), U("Deutschland (Euro)"));
    for (QWidget* shown : std::initializer_list<QWidget*>{
             d.Kategoriewahl, d.EingabeInventarnr, d.EingabeQualitaet, d.EingabeQualitaetLang,
             d.ENummer1, d.ENummer2, d.ENummer3, d.EingabeStueck, d.EingabePreis,
             d.EingabeKaufpreis, d.EingabeDatum, d.EingabeBild1, d.EingabeBild2, d.EEtui}) {
      QVERIFY2(RowShown(d, shown), qPrintable(shown->objectName()));
    }
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             d.EingabeStadt, d.EingabeMuenzmeister, d.EingabeHaendler, d.EingabeSchaetzwert,
             d.EingabeSchaetzwertC, d.EKuenstlerAvers, d.EMuenzdicke, d.EingabeZusatz[0]}) {
      QVERIFY2(!RowShown(d, hidden), qPrintable(hidden->objectName()));
    }
    QVERIFY(!d.UpDown1->isHidden());
    QVERIFY(!d.EingabeDatumWahl->isHidden());
    QCOMPARE(d.ENummer1T->text(), U("Schön-Nr.:"));
    QCOMPARE(d.ENummer2T->text(), U("YEOMAN-Nr.:"));
    QCOMPARE(d.ENummer3T->text(), U("Jaeger-Nr.:"));
    // The numbers of a new coin start empty; its purchase date is today's.
    QCOMPARE(d.EingabeStueck->text(), QString());
    QCOMPARE(d.EingabePreis->text(), QString());
    QCOMPARE(d.EingabeAuflage->text(), QString());
    QCOMPARE(d.EingabeDatum->text(), U(FormatDate(coin.purchasedate, "dd.mm.yyyy").c_str()));

    d.show();
    QCOMPARE(d.EingabeOk->text(), U("&Ok"));
    QVERIFY(d.EingabeNaechster->isEnabled());
    QVERIFY(d.EingabeTextButton->isEnabled());
    QVERIFY(!d.IstUND->isVisible());
    QCOMPARE(d.Currency1Text->text(), U("EUR"));
    d.reject();
  }

  void areaWithoutCountAndNumbersHidesThem() {
    TDaten coin;
    coin.category = 3;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    QVERIFY(!RowShown(d, d.EingabeStueck));
    QVERIFY(d.UpDown1->isHidden());
    for (QWidget* number : {d.ENummer1, d.ENummer2, d.ENummer3}) QVERIFY(!RowShown(d, number));
  }

  void newCoinOkStoresZerosAndToday() {
    TDaten coin;
    coin.count = 5;
    coin.catalogue = 7;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EingabeOkClick();
    QVERIFY(d.EingabeOkPressed);
    QCOMPARE(f_->status_clears, 1);
    QCOMPARE(d.EingabeStueck->text(), U("0"));
    d.StoreRecord();
    const TDaten& stored = *d.EditedRecord();
    QCOMPARE(stored.count, 0);
    QCOMPARE(stored.catalogue, 0.0);
    QCOMPARE(stored.purchaseprice, 0.0);
    QCOMPARE(stored.purchasedate, Today());
  }

  void changeModeRoundsToTheShownPrecision() {
    const auto coin = EntryDialogFixture::FullCoin(1);
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    QCOMPARE(d.EingabePreis->text(), U("1,23"));
    QCOMPARE(d.EingabeGewicht->text(), U("8,500"));
    QCOMPARE(d.EingabeAuflage->text(), U("1.500.000"));
    QCOMPARE(d.EingabeDatum->text(), U("01.05.2004"));
    QCOMPARE(d.EingabeQualitaetLang->currentText(), U("Stempelglanz"));
    QCOMPARE(d.ENummer3->text(), U("J-300"));
    d.EingabePraegejahr->setText("2002");
    d.StoreRecord();
    const TDaten& stored = *d.EditedRecord();
    QCOMPARE(stored.catalogue, 1.23);
    QCOMPARE(stored.year, std::string("2002"));
    QCOMPARE(stored.circulation, 1500000LL);
    QCOMPARE(stored.purchasedate, *DayNumber(2004, 5, 1));
    QCOMPARE(stored.fine, 7.65f);
    QCOMPARE(stored.diameter_minimum, 25.75f);
    // Hidden text fields are written back as they were loaded.
    QCOMPARE(stored.city, std::string("Berlin"));
    QCOMPARE(stored.dealer, std::string("Kroll"));
    QCOMPARE(stored.estimate, 4.5);
  }

  void typedNumbersAreReadByTheirRules() {
    const auto coin = EntryDialogFixture::FullCoin(1);
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    d.EingabePreis->setText("1.234,56");
    d.EingabeKaufpreis->setText("1,234.56");
    d.EingabeAuflage->setText("1.000.000");
    d.EingabeGewicht->setText("1.234");
    d.EingabeDatum->setText("?");
    d.StoreRecord();
    const TDaten& stored = *d.EditedRecord();
    QCOMPARE(stored.catalogue, 1234.56);
    QCOMPARE(stored.purchaseprice, 1234.56);
    QCOMPARE(stored.circulation, 1000000LL);
    QCOMPARE(stored.weight, 1.234f);
    QCOMPARE(stored.purchasedate, kNoDate);
    d.EingabeAuflage->setText("1,000,000");
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->circulation, 1000000LL);
  }

  void freeCatalogueSlotIsCaptionedAndStored() {
    const auto coin = EntryDialogFixture::FullCoin(2);
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    QCOMPARE(d.ENummer2T->text(), U("Krause:"));
    QCOMPARE(d.ENummer2->text(), U("KM-400"));
    QCOMPARE(d.EingabeZusatzT[0]->text(), U("Erhaltung Rand"));
    QCOMPARE(d.EingabeZusatzT[2]->text(), U("Herkunft"));
    QVERIFY(RowShown(d, d.EingabeZusatz[0]));
    QVERIFY(!RowShown(d, d.EingabeZusatz[1]));
    d.ENummer2->setText("KM-401");
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->other1, std::string("KM-401"));
    QCOMPARE(d.EditedRecord()->yeoman, std::string("Y-200"));
  }

  void hiddenNumberFieldIsNotWritten() {
    const auto coin = EntryDialogFixture::FullCoin(2);  // slot 3 (Jäger) is off
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    QVERIFY(!RowShown(d, d.ENummer3));
    d.ENummer3->setText("overwritten");
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->jaeger, std::string("J-300"));
  }

  void slotKindOutsideTheKindsShowsAnErrorAndStoresNothing() {
    f_->document.areas[0]->number_kind[0] = 7;
    const auto coin = EntryDialogFixture::FullCoin(1);
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    QCOMPARE(d.ENummer1->text(), U("#ERROR"));
    d.ENummer1->setText("S-999");
    d.StoreRecord();
    const TDaten& stored = *d.EditedRecord();
    for (const std::string* number : {&stored.schoen, &stored.jaeger, &stored.yeoman, &stored.ric,
                                      &stored.cohen, &stored.other1}) {
      QVERIFY(*number != "S-999");
    }
    QCOMPARE(stored.schoen, std::string("S-100"));
  }

  void deleteAndCutModes() {
    const auto coin = EntryDialogFixture::FullCoin(1);
    for (const bool cut : {false, true}) {
      TFensterEingabeFenster& d = Open(cut ? EntryPurpose::kCut : EntryPurpose::kDelete, *coin);
      d.show();
      QCOMPARE(d.EingabeOk->text(), cut ? U("Ausschneiden") : U("Löschen"));
      QVERIFY(!d.Kategoriewahl->isEnabled());
      QVERIFY(!d.EingabeTextButton->isEnabled());
      QVERIFY(!d.EingabeNaechster->isEnabled());
      QVERIFY(d.EingabeOk->isEnabled());
      QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.EingabeAbbruch));
      // Delete mode shows the values as they are.
      QCOMPARE(d.EingabeStueck->text(), U("3"));
      d.EingabeOkClick();
      QVERIFY(d.EingabeOkPressed);
      QVERIFY(!d.IstLoeschen);  // cleared when the dialog closes
    }
  }

  void searchTemplateShowsEveryField() {
    TDaten coin;
    coin.category = 0;
    TFensterEingabeFenster& d = Open(EntryPurpose::kSearch, coin);
    d.show();
    QVERIFY(d.UpDown1 == nullptr);
    for (QWidget* shown : std::initializer_list<QWidget*>{
             d.EingabeStadt, d.EingabeMuenzmeister, d.EingabeHaendler, d.EingabeLegierung,
             d.EingabeAufbewahrungsort, d.EingabeSchaetzwert, d.EKuenstlerAvers, d.EMuenzdicke,
             d.ENummer3, d.EingabeZusatz[4]}) {
      QVERIFY2(RowShown(d, shown), qPrintable(shown->objectName()));
    }
    for (QWidget* hidden : {static_cast<QWidget*>(d.Kategoriewahl),
                            static_cast<QWidget*>(d.EingabeBild1),
                            static_cast<QWidget*>(d.EingabeBild2)}) {
      QVERIFY2(!RowShown(d, hidden), qPrintable(hidden->objectName()));
    }
    for (int n = 0; n < 5; ++n) QCOMPARE(d.EingabeZusatzT[n]->text(), U("Ihre Wahl:"));
    QVERIFY(!d.EingabeTextButton->isVisible());
    QVERIFY(!d.EingabeNaechster->isVisible());
    for (QWidget* option : std::initializer_list<QWidget*>{d.IstUND, d.IstODER, d.IstGleich,
                                                           d.IstGross, d.Kategoriefrei}) {
      QVERIFY(option->isVisible());
    }
    QVERIFY(d.IstUND->isChecked());
    QVERIFY(d.Kategoriefrei->isChecked());
    QCOMPARE(d.EingabeDatum->text(), QString());
    QCOMPARE(d.EingabeStueck->text(), QString());
    // The search template turns an empty count into 0, and it adds nothing to the lists.
    d.EingabeHaendler->setEditText("Neuer Händler");
    d.LookupBoxExit(d.EingabeHaendler);
    QCOMPARE(f_->lookups[LookupList::kHaendler].size(), std::size_t(2));
    d.EingabeOkClick();
    QCOMPARE(d.EingabeStueck->text(), U("0"));
  }

  void searchTemplateOfARealAreaTakesItsExtraFields() {
    TDaten coin;
    coin.category = 2;
    TFensterEingabeFenster& d = Open(EntryPurpose::kSearch, coin);
    QCOMPARE(d.EingabeZusatzT[0]->text(), U("Erhaltung Rand"));
    QVERIFY(RowShown(d, d.EingabeZusatz[0]));
    QVERIFY(!RowShown(d, d.EingabeZusatz[1]));
  }

  void freeFilterKeepsEmptyFieldsEmpty() {
    TDaten coin;
    coin.category = kAllCoinsView;
    coin.count = -1;
    coin.catalogue = 25;
    coin.estimate = -1;
    coin.purchaseprice = -1;
    coin.weight = -1;
    coin.fine = -1;
    coin.diameter_minimum = -1;
    coin.diameter_maximum = -1;
    coin.width = -1;
    coin.circulation = -1;
    coin.purchasedate = kNoDate;
    TFensterEingabeFenster& d = Open(EntryPurpose::kFilter, coin);
    QCOMPARE(d.EingabeStueck->text(), QString());
    QCOMPARE(d.EingabeKaufpreis->text(), QString());
    QCOMPARE(d.EingabeDatum->text(), QString());
    QCOMPARE(d.EingabePreis->text(), U("25,00"));
    d.EingabeStueck->setText(">=5");
    d.EingabeStueckExit();
    QCOMPARE(d.EingabeStueck->text(), U("-6"));
    d.EingabeStueck->clear();
    d.EingabeOkClick();
    QCOMPARE(d.EingabeStueck->text(), QString());
    QCOMPARE(d.EingabeKaufpreis->text(), QString());
    d.StoreRecord();
    const TDaten& stored = *d.EditedRecord();
    QCOMPARE(stored.count, -1);
    QCOMPARE(stored.purchaseprice, -1.0);
    QCOMPARE(stored.circulation, -1LL);
    QCOMPARE(stored.purchasedate, kNoDate);
    QCOMPARE(stored.catalogue, 25.0);
    QCOMPARE(stored.category, kAllCoinsView);
  }

  void areaSwitchKeepsTextsAndEmptiesNumbers() {
    TDaten coin;
    dialog_ = std::make_unique<TFensterEingabeFenster>(f_->Services());
    TFensterEingabeFenster& d = *dialog_;
    QStringList titles;
    WhenModalShown<TFensterEingabeFenster>([&titles](TFensterEingabeFenster& shown) {
      titles << shown.windowTitle();
      shown.EingabeMotiv1->setEditText("Eichenzweig");
      shown.EingabeInventarnr->setText("42");
      shown.EingabePreis->setText("3,50");
      shown.Kategoriewahl->setCurrentIndex(1);
      emit shown.Kategoriewahl->activated(1);  // as a pick from the list
      WhenModalShown<TFensterEingabeFenster>([&titles](TFensterEingabeFenster& again) {
        titles << again.windowTitle();
        QCOMPARE(again.EingabeMotiv1->currentText(), U("Eichenzweig"));
        QCOMPARE(again.EingabeInventarnr->text(), U("42"));
        QCOMPARE(again.EingabePreis->text(), QString());
        QCOMPARE(again.ENummer2T->text(), U("Krause:"));
        QVERIFY(!again.AreaChanged);
        again.EingabeOkClick();
      });
    });
    QVERIFY(RunEntryDialog(d, coin, EntryPurpose::kNew));
    QCOMPARE(titles, (QStringList{U("Eingabe einer Münze - Deutschland (Euro)"),
                                  U("Eingabe einer Münze - Kaiserreich")}));
    QCOMPARE(coin.category, 2);
    QCOMPARE(coin.av_motive, std::string("Eichenzweig"));
    QCOMPARE(coin.item, std::string("42"));
    QCOMPARE(coin.catalogue, 0.0);
    QVERIFY(d.EditedRecord() == nullptr);
  }

  void cancelLeavesTheRecordAlone() {
    auto coin = EntryDialogFixture::FullCoin(1);
    dialog_ = std::make_unique<TFensterEingabeFenster>(f_->Services());
    WhenModalShown<TFensterEingabeFenster>([](TFensterEingabeFenster& shown) {
      shown.EingabeInventarnr->setText("99");
      QTest::keyClick(&shown, Qt::Key_Escape);
    });
    QVERIFY(!RunEntryDialog(*dialog_, *coin, EntryPurpose::kChange));
    QCOMPARE(coin->item, std::string("17"));
    QCOMPARE(f_->status_clears, 1);
  }

  void weitereMuenzeTellsTheCaller() {
    TDaten coin;
    dialog_ = std::make_unique<TFensterEingabeFenster>(f_->Services());
    WhenModalShown<TFensterEingabeFenster>([](TFensterEingabeFenster& shown) {
      shown.EingabeNaechster->click();
    });
    QVERIFY(RunEntryDialog(*dialog_, coin, EntryPurpose::kNew));
    QVERIFY(dialog_->IstNaechster);
    QCOMPARE(coin.count, 0);
  }

  void countOperators() {
    const auto coin = EntryDialogFixture::FullCoin(1);
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    d.EingabeStueck->setText("5");
    d.EingabeStueckEnter();
    d.EingabeStueck->setText("+3");
    d.EingabeStueckExit();
    QCOMPARE(d.EingabeStueck->text(), U("8"));
    QCOMPARE(d.UpDown1->Position(), 8);
    d.EingabeStueck->setText("5");
    d.EingabeStueckEnter();
    d.EingabeStueck->setText("-7");
    d.EingabeStueckExit();
    QCOMPARE(d.EingabeStueck->text(), U("5"));
    QCOMPARE(f_->messages.texts(),
             std::vector<std::string>{"Die Artikelanzahl darf nicht negativ sein!"});
    d.EingabeStueck->setText("abc");
    d.EingabeStueckExit();
    QCOMPARE(d.EingabeStueck->text(), U("abc"));
  }

  void catalogueValueIsCopiedIntoEmptyPricesOfANewCoin() {
    TDaten coin;
    coin.category = 2;  // estimate shown
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EingabePreis->setText("12,-");
    d.EingabePreisExit();
    QCOMPARE(d.EingabePreis->text(), U("12,0"));
    QCOMPARE(d.EingabeKaufpreis->text(), U("12,0"));
    QCOMPARE(d.EingabeSchaetzwert->text(), U("12,0"));
    d.EingabePreis->setText("15");
    d.EingabePreisExit();
    QCOMPARE(d.EingabeKaufpreis->text(), U("12,0"));  // never overwritten
  }

  void catalogueValueInChangeModeFillsOnlyHiddenPrices() {
    auto coin = EntryDialogFixture::FullCoin(1);  // estimate hidden in area 1
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    d.EingabeKaufpreis->clear();
    d.EingabePreis->setText("9,-");
    d.EingabePreisExit();
    QCOMPARE(d.EingabeKaufpreis->text(), QString());
    QCOMPARE(d.EingabeSchaetzwert->text(), U("9,0"));
  }

  void fineWeightFromWeightAndFineness() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EingabeGewicht->setText("10");
    d.EingabeFeingehalt->setText("900");
    d.WeightExit(WeightField::kFineness);
    QCOMPARE(d.EingabeFeingewicht->text(), U("9.000"));
    d.EingabeFeingehalt->setText("750");
    d.WeightExit(WeightField::kFineness);
    QCOMPARE(d.EingabeFeingewicht->text(), U("9.000"));  // both given: nothing changes
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->fine, 9.0f);
  }

  void purchaseDateIsNormalisedOnLeaving() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EingabeDatum->setText("1.5.4");
    d.EingabeDatumExit();
    QCOMPARE(d.EingabeDatum->text(), U("01.05.2004"));
    d.EingabeDatum->setText("1.5.2029");  // after today's year 2024 of the fixture
    d.EingabeDatumExit();
    QCOMPARE(d.EingabeDatum->text(), U("01.05.1929"));
    QVERIFY(f_->messages.shown().empty());
    d.EingabeDatum->setText("31.02.2004");
    d.EingabeDatumExit();
    QCOMPARE(d.EingabeDatum->text(), U("?"));
    QCOMPARE(f_->messages.texts(),
             std::vector<std::string>{"Das Datum ist ungültig. Daher wird als Datum ? eingetragen."});
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->purchasedate, kNoDate);
  }

  void leavingFieldsByFocusRunsTheRules() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.EingabeDatum->setFocus(Qt::TabFocusReason);
    d.EingabeDatum->setText("15052004");
    d.EingabeGewicht->setFocus(Qt::TabFocusReason);
    QCOMPARE(d.EingabeDatum->text(), U("15.05.2004"));
    d.EingabeLegierung->setFocus(Qt::TabFocusReason);
    d.EingabeLegierung->setEditText("Kupfer-Nickel");
    d.EingabeDatum->setFocus(Qt::TabFocusReason);
    QCOMPARE(f_->lookups[LookupList::kLegierungen], std::vector<std::string>{"Kupfer-Nickel"});
    // Enter on OK while a field still has the focus applies its rule first.
    d.EingabeDatum->setText("3.1.4");
    QTest::keyClick(d.EingabeDatum, Qt::Key_Return);
    QVERIFY(d.EingabeOkPressed);
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->purchasedate, *DayNumber(2004, 1, 3));
  }

  void lookupBoxesCompleteTypedTexts() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.EingabeLand->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(d.EingabeLand->lineEdit(), "fra");
    QCOMPARE(d.EingabeLand->currentText().toLower(), U("frankreich"));
    d.EingabeQualitaet->setFocus(Qt::TabFocusReason);
    QCOMPARE(d.EingabeLand->currentText(), U("Frankreich"));  // the list's spelling
    QCOMPARE(f_->lookups[LookupList::kLaender].size(), std::size_t(3));
    QTest::keyClicks(d.EingabeQualitaet->lineEdit(), "s");
    QCOMPARE(d.EingabeQualitaet->currentText(), U("s"));  // the quality boxes do not complete
    d.reject();
  }

  void qualityCodeAndLongNameFollowEachOther() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    QCOMPARE(d.EingabeQualitaet->count(), 4);
    QCOMPARE(d.EingabeQualitaetLang->itemText(2), U("vorzüglich"));
    QVERIFY(d.EingabeQualitaet->completer() == nullptr);
    QVERIFY(d.EingabeLand->completer() != nullptr);
    QCOMPARE(d.EingabeLand->completer()->caseSensitivity(), Qt::CaseInsensitive);
    d.EingabeQualitaet->setEditText("SS");
    QCOMPARE(d.EingabeQualitaetLang->currentText(), U("sehr schön"));
    d.EingabeQualitaet->setEditText("xx");
    QCOMPARE(d.EingabeQualitaetLang->currentText(), U("sehr schön"));  // left alone
    d.EingabeQualitaetLang->setEditText("VORZüGLICH");
    QCOMPARE(d.EingabeQualitaet->currentText(), U("vz"));  // the earliest entry wins
    QCOMPARE(d.EingabeQualitaetLang->currentText(), U("vorzüglich"));
  }

  void qualityPairsGrowTheList() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EingabeQualitaet->setEditText("pp");
    d.EingabeQualitaetLang->setEditText("");
    d.EingabeQualitaetExit();
    QCOMPARE(d.EingabeQualitaet->currentText(), U("PP"));
    QCOMPARE(f_->lookups[LookupList::kQualitaet].size(), std::size_t(4));
    d.EingabeQualitaetLang->setEditText("Polierte Platte");
    d.EingabeQualitaetLangExit();
    QCOMPARE(f_->lookups[LookupList::kQualitaet].size(), std::size_t(5));
    QCOMPARE(d.EingabeQualitaet->count(), 5);
    QCOMPARE(d.EingabeQualitaet->currentText(), U("PP"));
    QCOMPARE(d.EingabeQualitaetLang->currentText(), U("Polierte Platte"));
  }

  void newLookupTextIsOfferedByTheNextDialog() {
    TDaten coin;
    {
      TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
      d.EingabeHaendler->setEditText("Bode");
      d.LookupBoxExit(d.EingabeHaendler);
      d.EingabeHaendler->setEditText("KROLL");
      d.LookupBoxExit(d.EingabeHaendler);
      QCOMPARE(d.EingabeHaendler->currentText(), U("Kroll"));
    }
    TFensterEingabeFenster& next = Open(EntryPurpose::kNew, coin);
    QStringList items;
    for (int i = 0; i < next.EingabeHaendler->count(); ++i) items << next.EingabeHaendler->itemText(i);
    QCOMPARE(items, (QStringList{"Bode", "Emporium", "Kroll"}));
    QCOMPARE(next.EingabeHaendler->currentText(), QString());
  }

  void calendarOffersNoDayAfterToday() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    d.EAusgabeDatum->setText("01.01.2030");
    bool seen = false;
    WhenModalShown<gui::TDateform>(
        [](gui::TDateform& calendar) {
          QCOMPARE(calendar.windowTitle(), U("Datum wählen"));
          QCOMPARE(calendar.MonthCalendar1->maximumDate(), QDate(2024, 6, 15));
          QCOMPARE(calendar.SelectedDate(), QDate(2024, 6, 15));
          calendar.MonthCalendar1->setSelectedDate(QDate(2023, 2, 7));
          calendar.ButtonOK->click();
        },
        &seen);
    d.EAusgabeDatumWahl->click();
    QVERIFY(seen);
    QCOMPARE(d.EAusgabeDatum->text(), U("07.02.2023"));

    WhenModalShown<gui::TDateform>([](gui::TDateform& calendar) {
      QCOMPARE(calendar.SelectedDate(), QDate(2023, 2, 7));
      calendar.MonthCalendar1->setSelectedDate(QDate(2020, 1, 1));
      calendar.ButtonCancel->click();
    });
    d.PickDate(d.EAusgabeDatum);
    QCOMPARE(d.EAusgabeDatum->text(), U("07.02.2023"));
  }

  void pictureInsideThePictureFolderIsABareName() {
    f_->document.SetFileName("/sammlung/Muenzen.mvc");
    f_->document.has_name = true;
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    f_->pictures.answer = "/sammlung/Muenzen/adler.jpg";
    d.BildOeffnen1->click();
    QCOMPARE(d.EingabeBild1->text(), U("adler.jpg"));
    QCOMPARE(f_->pictures.starts.back(), (PictureDialogStart{"/sammlung/Muenzen/", ""}));
    f_->pictures.answer = "/bilder/europa.jpg";
    d.ChoosePicture(d.EingabeBild2);
    QCOMPARE(d.EingabeBild2->text(), U("/bilder/europa.jpg"));
    d.ChoosePicture(d.EingabeBild2);
    QCOMPARE(f_->pictures.starts.back(), (PictureDialogStart{"/bilder/", "europa.jpg"}));
    f_->pictures.answer.reset();  // cancelled
    d.ChoosePicture(d.EingabeBild1);
    QCOMPARE(d.EingabeBild1->text(), U("adler.jpg"));
  }

  void pictureOfAnUnsavedCollectionKeepsItsPath() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    f_->pictures.answer = "/sammlung/Muenzen/adler.jpg";
    d.ChoosePicture(d.EingabeBild1);
    QCOMPARE(d.EingabeBild1->text(), U("/sammlung/Muenzen/adler.jpg"));
  }

  void noteIsEditedInTheDetailView() {
    auto coin = EntryDialogFixture::FullCoin(1);
    coin->description = std::make_unique<TText>();
    coin->description->text = "Erste Zeile\r\nZweite";
    TFensterEingabeFenster& d = Open(EntryPurpose::kChange, *coin);
    d.EingabeInventarnr->setText("18");
    bool seen = false;
    WhenModalShown<gui::TAnsicht>(
        [](gui::TAnsicht& view) {
          QVERIFY(view.DruckenMitBild->isHidden());
          QVERIFY(view.DruckenOhneBild->isHidden());
          QVERIFY(!view.AnsichtText->isReadOnly());
          QCOMPARE(view.AnsichtText->toPlainText(), U("Erste Zeile\nZweite"));
          QCOMPARE(view.windowTitle(), U("2 Euro"));
          QTest::keyClick(view.AnsichtText, Qt::Key_End, Qt::ControlModifier);
          QTest::keyClick(view.AnsichtText, Qt::Key_Tab);
          QTest::keyClicks(view.AnsichtText, "Ende");
          view.Ok->click();
        },
        &seen);
    d.EingabeTextButton->click();
    QVERIFY(seen);
    QCOMPARE(d.EditedRecord()->description->text, std::string("Erste Zeile\r\nZweite\tEnde"));
    QCOMPARE(d.EditedRecord()->item, std::string("18"));  // stored before the view opened
    d.StoreRecord();
    QCOMPARE(d.EditedRecord()->description->text, std::string("Erste Zeile\r\nZweite\tEnde"));
  }

  void cancelledNoteEditorKeepsTheNote() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    WhenModalShown<gui::TAnsicht>([](gui::TAnsicht& view) {
      view.AnsichtText->setPlainText("verworfen");
      view.Abbruch->click();
    });
    d.EingabeTextButtonClick();
    QVERIFY(!d.EditedRecord()->description || d.EditedRecord()->description->text.empty());
  }

  void tabOrderFollowsTheTable() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kSearch, coin);
    const QStringList expected = {
        "Kategoriewahl", "EingabeInventarnr", "EingabeQualitaet", "EingabeQualitaetLang",
        "ENummer2", "ENummer1", "ENummer3", "EingabeStueck", "EingabeLand", "EingabeStadt",
        "EingabeMuenzmeister", "EingabeHerstellung", "EingabePraegezahl", "EingabeWaehrung",
        "EingabeMotiv1", "EingabeMotiv2", "EingabeRand", "EingabePraegejahr", "EAusgabeDatum",
        "EAusgabeDatumWahl", "EGueltigBis", "EGueltigBisWahl", "EingabePreis",
        "EingabeSchaetzwert", "EingabeKaufpreis", "EingabeDatum", "EingabeDatumWahl",
        "EingabeGewicht", "EingabeFeingehalt", "EingabeFeingewicht", "EingabeLegierung",
        "EingabeHaendler", "EEtui", "EZertifikat", "EingabeThema", "EingabeDurchmesser",
        "EingabeMaxDurchmesser", "EMuenzdicke", "EingabeAuflage", "EingabeAufbewahrungsort",
        "EKuenstlerAvers", "EKuenstlerRevers", "EingabeZusatz1", "EingabeZusatz2",
        "EingabeZusatz3", "EingabeZusatz4", "EingabeZusatz5", "EingabeBild1", "BildOeffnen1",
        "EingabeBild2", "BildOeffnen2", "IstODER", "IstUND", "EingabeTextButton",
        "EingabeNaechster", "EingabeOk", "EingabeAbbruch", "Kategoriefrei", "IstGleich",
        "IstGross"};
    QStringList chain;
    QWidget* widget = d.Kategoriewahl;
    do {
      if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
        chain << widget->objectName();
      }
      widget = widget->nextInFocusChain();
    } while (widget != d.Kategoriewahl);
    QCOMPARE(chain, expected);
  }

  void helpContextsComeFromOneTable() {
    TDaten coin;
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, coin);
    QCOMPARE(d.property("helpContext").toInt(), 1000);
    QCOMPARE(d.Kategoriewahl->property("helpContext").toInt(), 1001);
    QCOMPARE(d.EingabeHaendler->property("helpContext").toInt(), 1025);
    QCOMPARE(d.EingabeLegierung->property("helpContext").toInt(), 1026);
    QCOMPARE(d.EingabeAbbruch->property("helpContext").toInt(), 1042);
    QCOMPARE(d.IstUND->property("helpContext").toInt(), 1105);
    QCOMPARE(TFensterEingabeFenster::HelpContextOf(d.EingabeBild2), 1038);
    QVERIFY(!d.EingabeZusatz[0]->property("helpContext").isValid());
    int numbered = 0;
    for (QWidget* control : d.findChildren<QWidget*>()) {
      const int context = control->property("helpContext").toInt();
      if (context == 0) continue;
      ++numbered;
      QVERIFY((context >= 1001 && context <= 1042) || (context >= 1101 && context <= 1105));
    }
    QCOMPARE(numbered, 56);
  }

  void positionIsRememberedAndTheSizeFitsTheScreen() {
    f_->places.WdLinksEingabe = 10;
    f_->places.WdObenEingabe = 12;
    TDaten coin;
    coin.category = 2;
    TFensterEingabeFenster& d = Open(EntryPurpose::kSearch, coin);
    d.show();
    QCOMPARE(d.pos(), QPoint(10, 12));
    const QRect available = d.screen()->availableGeometry();
    QVERIFY(d.height() <= available.height() - 25);
    // The template fits the test screen of 800 x 800 without scrolling: the panel and the
    // buttons, nothing cut off. (The scrolling branch is a core test.)
    QVERIFY(d.height() <= available.height() - 40);
    QVERIFY(d.height() >= d.FieldPanel()->sizeHint().height() + d.EingabeOk->sizeHint().height());
    QCOMPARE(d.ScrollArea()->verticalScrollBar()->maximum(), 0);
    d.move(44, 55);
    d.reject();
    QCOMPARE(f_->places.WdLinksEingabe, 44);
    QCOMPARE(f_->places.WdObenEingabe, 55);
  }

  void f1OpensTheTopicOfTheFocusedControl() {
    std::vector<int> asked;
    gui::EntryDialogServices services = f_->Services();
    services.show_help = [&asked](int context) { asked.push_back(context); };
    TFensterEingabeFenster d(services);
    auto coin = EntryDialogFixture::FullCoin(1);
    d.SetPurpose(EntryPurpose::kChange);
    d.LoadRecord(*coin);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    d.EingabeDatum->setFocus();
    QTest::keyClick(d.EingabeDatum, Qt::Key_F1);
    d.EingabeLand->setFocus();
    QTest::keyClick(d.EingabeLand, Qt::Key_F1);
    d.EingabeOk->setFocus();
    QTest::keyClick(d.EingabeOk, Qt::Key_F1);
    QCOMPARE(asked, (std::vector<int>{1021, 1005, 1041}));
    // F1 only asks: the dialog stays open and keeps the record.
    QVERIFY(d.isVisible());
    d.reject();
  }

  void everyHelpContextOfTheDialogHasATopic() {
    TFensterEingabeFenster& d = Open(EntryPurpose::kNew, *EntryDialogFixture::FullCoin(1));
    QCOMPARE(d.property("helpContext").toInt(), 1000);
    int controls = 0;
    for (QWidget* control : d.findChildren<QWidget*>()) {
      const QVariant context = control->property("helpContext");
      if (!context.isValid()) continue;
      ++controls;
      QVERIFY2(HelpTopicOf(context.toInt()).has_value(), qPrintable(control->objectName()));
    }
    // Every control of the table, the template options and the buttons among them.
    QVERIFY(controls >= 54);
  }
};

}  // namespace korvex::test

QTEST_MAIN(korvex::test::EntryDialogTest)
#include "tfenstereingabefenster_test.moc"
