#include "dialogs/gui/toptionen_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "common/modalhelper.h"
#include "common/scriptedmessages.h"
#include "common/tempdir.h"
#include "dialogs/currencyconversion.h"
#include "dialogs/gui/toptionen.h"
#include "dialogs/gui/updown.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "platform/settingsstore.h"

using korvex::MessageAnswer;
using korvex::PictureCopy;
using korvex::PictureDisplay;
using korvex::PicturePlace;
using korvex::ProgramSettings;
using korvex::SettingsStore;
using korvex::WindowPlaces;
using korvex::gui::TOptionen;
using korvex::test::ScriptedMessages;
using korvex::test::TempDir;
using korvex::test::WhenModalShown;

namespace {

// Everything one dialog works on: a settings file and a program folder with "waehrung.umr" in a
// fresh temporary folder.
struct Fixture {
  TempDir dir;
  std::unique_ptr<SettingsStore> store;
  ProgramSettings settings;
  WindowPlaces places;
  ScriptedMessages messages;
  std::unique_ptr<TOptionen> dialog;

  Fixture() {
    korvex::test::WriteFileBytes(dir / "waehrung.umr", "EUR=100\r\nDM=195,583\r\nATS=1376,03\r\n");
    setenv("KORVEX_PROGRAM_DIR", dir.path().c_str(), 1);
    store = std::make_unique<SettingsStore>(dir / "Korvex.conf");
    dialog = std::make_unique<TOptionen>(*store, settings, places, messages);
  }

  // The settings as a later program start reads them from the file.
  ProgramSettings Stored() const {
    SettingsStore reopened(dir / "Korvex.conf");
    ProgramSettings read;
    korvex::ReadSettings(reopened, read);
    return read;
  }
};

std::unique_ptr<Fixture> fixture;

}  // namespace

void TOptionenTest::init() { fixture = std::make_unique<Fixture>(); }

void TOptionenTest::cleanup() {
  fixture.reset();
  unsetenv("KORVEX_PROGRAM_DIR");
}

void TOptionenTest::FirstStartShowsDefaults() {
  TOptionen& d = *fixture->dialog;
  d.ReadSettings();
  QCOMPARE(d.windowTitle(), QString::fromUtf8("Einstellungen"));
  QCOMPARE(d.Pages->count(), 5);
  QCOMPARE(d.Pages->tabText(4), QString::fromUtf8("Währung dieser Datei"));
  QVERIFY(d.OnlineAutoCheckUpdates->isChecked());
  QVERIFY(!d.OnlineAutoCheckUpdatesBeta->isChecked());
  QCOMPARE(d.DruckerSchrift->text(), QString("9"));
  QCOMPARE(d.AutoSaveTime->text(), QString("10"));
  QVERIFY(!d.AutoSave->isChecked());
  QVERIFY(d.KategorienGleich->isChecked());
  QVERIFY(d.GraphikZeigeManuell->isChecked());
  QVERIFY(d.GraphikObenLinks->isChecked());
  QVERIFY(d.GraphikKopierenAufforderung->isChecked());
  QVERIFY(d.DatumAusSystemsteuerung->isChecked());
  QVERIFY(!d.DatumFormatBox->isEnabled());
  QVERIFY(!d.Dateiname->isEnabled());
  QCOMPARE(d.OnlineProxyPort->maxLength(), 5);
  QCOMPARE(d.OnlineProxyPasswort->echoMode(), QLineEdit::Password);
}

void TOptionenTest::OkWritesEveryPageToStore() {
  TOptionen& d = *fixture->dialog;
  d.AutoSave->setChecked(true);
  d.AutoSaveTimeUpdown->StepUp();  // 10 -> 11
  d.AutoSaveEnd->setChecked(true);
  d.AnfrageProgrammEnde->setChecked(true);
  d.KategorienGleich->setChecked(false);
  d.GraphikZeigeImmer->setChecked(true);
  d.GraphikAnzOben->setChecked(true);
  d.GraphikKopierenNie->setChecked(true);
  d.GraphikAnzAutoGroesse->setChecked(true);
  d.DateiAutoLaden->setChecked(true);
  d.Dateiname->setText(QString::fromUtf8("/home/sammler/Münzen.mvc"));
  d.DatumAusSystemsteuerung->setChecked(false);
  d.DatumFormatBox->setCurrentText("yyyy-mm-dd");
  d.DruckerSchrift->setText("12");
  d.OnlineAutoCheckUpdates->setChecked(false);
  d.OnlineProxyServer->setText("proxy.example");
  d.OnlineProxyPort->setText("8080");
  d.OnlineProxyUser->setText(QString::fromUtf8("Jürgen"));
  d.OnlineProxyPasswort->setText("pw");

  QTest::mouseClick(d.OkBtn, Qt::LeftButton);
  QCOMPARE(d.result(), int(QDialog::Accepted));
  QVERIFY(fixture->messages.shown().empty());

  const ProgramSettings& s = fixture->settings;
  QVERIFY(s.AutoSave);
  QCOMPARE(s.AutoSaveTime, std::string("11"));
  QVERIFY(s.AutoSaveEnd && s.Anfrage && !s.KatGl && s.KatGlFrage);
  QVERIFY(s.Graphik_Auto == PictureDisplay::kAlways);
  QVERIFY(s.Graphik_Pos == PicturePlace::kAbove);
  QVERIFY(s.Graphik_Copy == PictureCopy::kNever);
  QVERIFY(s.Graphik_Autoformat);
  QVERIFY(s.AutoDatei);
  QCOMPARE(s.AutoDatei_Name, std::string("/home/sammler/M\xFCnzen.mvc"));
  QVERIFY(!s.DatumAuto);
  QCOMPARE(s.DatumFormat, std::string("yyyy-mm-dd"));
  QCOMPARE(s.Printer_Font_Size, 12);
  QVERIFY(!s.Online_Update_Check);
  QCOMPARE(s.Online_Proxy_Username, std::string("J\xFCrgen"));

  // The store holds the same, as the next program start reads it.
  QVERIFY(fixture->Stored() == s);
  // Never shown, the dialog leaves its remembered place alone.
  QVERIFY(fixture->places == WindowPlaces{});
}

void TOptionenTest::CancelRestoresStoredSettings() {
  fixture->settings.KatGl = false;
  fixture->settings.AutoSaveTime = "25";
  fixture->settings.Graphik_Pos = PicturePlace::kRight;
  korvex::WriteSettings(*fixture->store, fixture->settings);
  TOptionen& d = *fixture->dialog;
  d.ReadSettings();
  QVERIFY(!d.KategorienGleich->isChecked());
  QVERIFY(d.GraphikAnzRechts->isChecked());

  d.KategorienGleich->setChecked(true);
  d.AutoSaveTimeUpdown->StepDown();
  d.GraphikAnzLinks->setChecked(true);
  d.OnlineProxyServer->setText("typed");
  QTest::mouseClick(d.CancelBtn, Qt::LeftButton);

  QCOMPARE(d.result(), int(QDialog::Rejected));
  QVERIFY(!fixture->settings.KatGl);
  QCOMPARE(fixture->settings.AutoSaveTime, std::string("25"));
  QVERIFY(fixture->settings.Online_Proxy.empty());
  QVERIFY(!d.KategorienGleich->isChecked());
  QCOMPARE(d.AutoSaveTime->text(), QString("25"));
  QVERIFY(d.GraphikAnzRechts->isChecked());
  QVERIFY(d.OnlineProxyServer->text().isEmpty());
  QVERIFY(fixture->Stored() == fixture->settings);
}

void TOptionenTest::PictureGroupsMapTheirCodes_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("place");
  QTest::addColumn<int>("copy");
  QTest::addColumn<int>("display");
  QTest::newRow("first buttons") << "GraphikObenLinks" << 1 << 0 << -1;
  QTest::newRow("as last time") << "GraphikAnzFrei" << 2 << 0 << -1;
  QTest::newRow("right") << "GraphikAnzRechts" << 4 << 0 << -1;
  QTest::newRow("left") << "GraphikAnzLinks" << 8 << 0 << -1;
  QTest::newRow("above") << "GraphikAnzOben" << 16 << 0 << -1;
  QTest::newRow("below") << "GraphikAnzUnten" << 32 << 0 << -1;
  QTest::newRow("copy always") << "GraphikKopierenImmer" << 0 << 1 << -1;
  QTest::newRow("copy never") << "GraphikKopierenNie" << 0 << 2 << -1;
  QTest::newRow("copy ask") << "GraphikKopierenAufforderung" << 0 << 4 << -1;
  QTest::newRow("show on request") << "GraphikZeigeManuell" << 0 << 0 << 0;
  QTest::newRow("show with record") << "GraphikZeigeAutomatisch" << 0 << 0 << 1;
  QTest::newRow("show always") << "GraphikZeigeImmer" << 0 << 0 << 2;
  QTest::newRow("show in list") << "GraphikZeigeListe" << 0 << 0 << 3;
}

void TOptionenTest::PictureGroupsMapTheirCodes() {
  QFETCH(QString, button);
  QFETCH(int, place);
  QFETCH(int, copy);
  QFETCH(int, display);
  TOptionen& d = *fixture->dialog;
  ProgramSettings& s = fixture->settings;
  // Start from buttons other than the one under test, so a wrong mapping shows.
  s.Graphik_Pos = place == 32 ? PicturePlace::kTopLeft : PicturePlace::kBelow;
  s.Graphik_Copy = copy == 2 ? PictureCopy::kAlways : PictureCopy::kNever;
  s.Graphik_Auto = display == 3 ? PictureDisplay::kOnRequest : PictureDisplay::kListMode;
  d.ShowSettings();
  auto* radio = d.findChild<QRadioButton*>(button);
  QVERIFY(radio != nullptr);
  QVERIFY(!radio->isChecked());
  radio->setChecked(true);
  d.OkBtn->click();
  if (place != 0) QCOMPARE(static_cast<int>(s.Graphik_Pos), place);
  if (copy != 0) QCOMPARE(static_cast<int>(s.Graphik_Copy), copy);
  if (display >= 0) QCOMPARE(static_cast<int>(s.Graphik_Auto), display);

  // And back: the stored code checks the same button.
  radio->setChecked(false);
  for (QRadioButton* other : d.findChildren<QRadioButton*>()) other->setAutoExclusive(false);
  for (QRadioButton* other : d.findChildren<QRadioButton*>()) other->setChecked(false);
  for (QRadioButton* other : d.findChildren<QRadioButton*>()) other->setAutoExclusive(true);
  d.ShowSettings();
  QVERIFY(radio->isChecked());
}

void TOptionenTest::UnusablePrintFontSizeKeepsPresentOne() {
  TOptionen& d = *fixture->dialog;
  fixture->settings.Printer_Font_Size = 11;
  d.ShowSettings();
  d.DruckerSchrift->setText("groß");
  d.OkBtn->click();
  QCOMPARE(fixture->settings.Printer_Font_Size, 11);
  d.DruckerSchrift->setText("14");
  d.OkBtn->click();
  QCOMPARE(fixture->settings.Printer_Font_Size, 14);
  QCOMPARE(fixture->Stored().Printer_Font_Size, 14);
}

void TOptionenTest::SwitchesEnableTheirControls() {
  TOptionen& d = *fixture->dialog;
  d.DateiAutoLaden->setChecked(true);
  QVERIFY(d.Dateiname->isEnabled());
  QVERIFY(d.DateiNameWahl->isEnabled());
  d.DateiAutoLaden->setChecked(false);
  QVERIFY(!d.Dateiname->isEnabled());
  QVERIFY(!d.DateiNameWahl->isEnabled());
  d.DatumAusSystemsteuerung->setChecked(false);
  QVERIFY(d.DatumFormatBox->isEnabled());
  d.DatumAusSystemsteuerung->setChecked(true);
  QVERIFY(!d.DatumFormatBox->isEnabled());
  // Only the six formats can be chosen.
  QCOMPARE(d.DatumFormatBox->count(), 6);
  QVERIFY(!d.DatumFormatBox->isEditable());
}

void TOptionenTest::FileChoiceWithoutExtensionGetsVov() {
  TOptionen& d = *fixture->dialog;
  QString answer;
  d.SetFileChooser([&answer] { return answer; });
  d.DateiAutoLaden->setChecked(true);

  answer = "/daten/Sammlung";
  QTest::mouseClick(d.DateiNameWahl, Qt::LeftButton);
  QCOMPARE(d.Dateiname->text(), QString("/daten/Sammlung.vov"));
  answer = "/daten/Meine.mvc";
  QTest::mouseClick(d.DateiNameWahl, Qt::LeftButton);
  QCOMPARE(d.Dateiname->text(), QString("/daten/Meine.mvc"));
  answer.clear();  // the file dialog was cancelled
  QTest::mouseClick(d.DateiNameWahl, Qt::LeftButton);
  QCOMPARE(d.Dateiname->text(), QString("/daten/Meine.mvc"));
}

void TOptionenTest::CurrencyPageOffersRatesOfTheFile() {
  TOptionen& d = *fixture->dialog;
  bool seen = false;
  WhenModalShown<TOptionen>(
      [](TOptionen& dialog) {
        QCOMPARE(dialog.Pages->currentIndex(), 0);
        QCOMPARE(dialog.AlteWaehrungBox->currentText(), QString("DM"));
        QVERIFY(!dialog.AlteWaehrungBox->isEnabled());
        QCOMPARE(dialog.WaehrungBox->currentText(), QString("DM"));
        QCOMPARE(dialog.WaehrungBox->count(), 3);
        QCOMPARE(dialog.WaehrungBox->itemText(0), QString("ATS"));
        QCOMPARE(dialog.WaehrungBox->itemText(2), QString("EUR"));
        QCOMPARE(dialog.UmrAltBox->text(), QString("100"));
        QCOMPARE(dialog.UmrNeuBox->text(), QString("100"));
        QVERIFY(!dialog.UmrechnungsGroup->isEnabled());

        dialog.WaehrungBox->setCurrentText("EUR");
        QCOMPARE(dialog.UmrAltBox->text(), QString("195,583"));
        QCOMPARE(dialog.UmrNeuBox->text(), QString("100"));
        QCOMPARE(dialog.UmrAltWaehrung->text(), QString("DM"));
        QCOMPARE(dialog.UmrNeuWaehrung->text(), QString("EUR"));
        QVERIFY(dialog.UmrechnungsGroup->isEnabled());

        // A currency the file does not know leaves its amount empty to be typed.
        dialog.WaehrungBox->setCurrentText("XYZ");
        QCOMPARE(dialog.UmrNeuBox->text(), QString());
        QCOMPARE(dialog.WaehrungBox->lineEdit()->maxLength(), 5);
        QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
      },
      &seen);
  QCOMPARE(d.Run("DM"), int(QDialog::Rejected));
  QVERIFY(seen);
  QVERIFY(!d.ConversionRequest().has_value());
}

void TOptionenTest::ConfirmedCurrencyChangeRequestsConversion() {
  TOptionen& d = *fixture->dialog;
  fixture->messages.Answer(MessageAnswer::kYes);
  WhenModalShown<TOptionen>([](TOptionen& dialog) {
    dialog.WaehrungBox->setCurrentText("EUR");
    QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
  });
  QCOMPARE(d.Run("DM"), int(QDialog::Accepted));
  QVERIFY(fixture->messages.AllAnswersUsed());
  QCOMPARE(fixture->messages.texts(),
           std::vector<std::string>{korvex::kCurrencyChangeWarning});
  QVERIFY(d.ConversionRequest().has_value());
  QCOMPARE(d.ConversionRequest()->old_amount, 195.583);
  QCOMPARE(d.ConversionRequest()->new_amount, 100.0);
  QCOMPARE(d.NewCurrency(), std::string("EUR"));
  QCOMPARE(korvex::ConvertAmount(10.0, *d.ConversionRequest()), 5.11);
}

void TOptionenTest::NonNumericAmountsAreRefused() {
  TOptionen& d = *fixture->dialog;
  fixture->messages.Answer(MessageAnswer::kYes);
  WhenModalShown<TOptionen>([](TOptionen& dialog) {
    dialog.WaehrungBox->setCurrentText("EUR");
    dialog.UmrAltBox->setText("zwei");
    QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
  });
  d.Run("DM");
  QVERIFY(!d.ConversionRequest().has_value());
  QCOMPARE(fixture->messages.texts().back(),
           std::string("Die Währung konnte nicht geändert werden. Die eingegebenen "
                       "Umrechnungswerte sind keine Dezimalzahlen!"));
  QVERIFY(fixture->messages.shown().back().kind == korvex::MessageKind::kError);
}

void TOptionenTest::AnsweringNoClearsAnEarlierRequest() {
  TOptionen& d = *fixture->dialog;
  const auto changeToEuro = [](TOptionen& dialog) {
    dialog.WaehrungBox->setCurrentText("EUR");
    QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
  };
  fixture->messages.Answer(MessageAnswer::kYes);
  WhenModalShown<TOptionen>(changeToEuro);
  d.Run("DM");
  QVERIFY(d.ConversionRequest().has_value());

  fixture->messages.Answer(MessageAnswer::kNo);
  WhenModalShown<TOptionen>(changeToEuro);
  d.Run("DM");
  QVERIFY(!d.ConversionRequest().has_value());
  QVERIFY(fixture->messages.AllAnswersUsed());
}

void TOptionenTest::EqualCurrenciesAskNothing() {
  TOptionen& d = *fixture->dialog;
  WhenModalShown<TOptionen>(
      [](TOptionen& dialog) { QTest::mouseClick(dialog.OkBtn, Qt::LeftButton); });
  QCOMPARE(d.Run("EUR"), int(QDialog::Accepted));
  QVERIFY(fixture->messages.shown().empty());
  QVERIFY(!d.ConversionRequest().has_value());
}

void TOptionenTest::DialogKeepsItsPlace() {
  TOptionen& d = *fixture->dialog;
  fixture->places.WdLinksOptionen = 50;
  fixture->places.WdObenOptionen = 60;
  QPoint shownAt;
  WhenModalShown<TOptionen>([&shownAt](TOptionen& dialog) {
    shownAt = dialog.pos();
    dialog.move(70, 80);
    QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
  });
  d.Run("EUR");
  QCOMPARE(shownAt, QPoint(50, 60));
  QCOMPARE(fixture->places.WdLinksOptionen, 70);
  QCOMPARE(fixture->places.WdObenOptionen, 80);

  // A place on no screen is not taken, so the dialog stays reachable.
  fixture->places.WdLinksOptionen = -20000;
  fixture->places.WdObenOptionen = -20000;
  WhenModalShown<TOptionen>([&shownAt](TOptionen& dialog) {
    shownAt = dialog.pos();
    QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
  });
  d.Run("EUR");
  QVERIFY(shownAt != QPoint(-20000, -20000));
  QVERIFY(fixture->places.WdLinksOptionen > -20000);
}
