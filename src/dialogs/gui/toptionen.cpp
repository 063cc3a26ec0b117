#include "dialogs/gui/toptionen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/gui/updown.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "model/paths.h"
#include "platform/datafolders.h"
#include "platform/messages.h"
#include "platform/widetext.h"

namespace korvex::gui {

TOptionen::TOptionen(SettingsStore& store, ProgramSettings& settings, WindowPlaces& places,
                     MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      store_(store),
      settings_(settings),
      places_(places),
      messages_(messages) {
  setObjectName("Optionen");
  setWindowTitle(QString::fromUtf8("Einstellungen"));

  Pages = new QTabWidget(this);
  Pages->setObjectName("Pages");
  Pages->addTab(CreateGeneralPage(), QString::fromUtf8("Allgemein"));
  Pages->addTab(CreatePicturePage(), QString::fromUtf8("Graphik"));
  Pages->addTab(CreateExtrasPage(), QString::fromUtf8("Extras"));
  Pages->addTab(CreateOnlinePage(), QString::fromUtf8("Online"));
  Pages->addTab(CreateCurrencyPage(), QString::fromUtf8("Währung dieser Datei"));
  CreateButtons();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages);
  layout->addLayout(buttons);

  connect(OkBtn, &QPushButton::clicked, this, &TOptionen::OkBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOptionen::reject);
  connect(DateiAutoLaden, &QCheckBox::toggled, this, &TOptionen::DateiAutoLadenClick);
  connect(DatumAusSystemsteuerung, &QCheckBox::toggled, this,
          &TOptionen::DatumAusSystemsteuerungClick);
  connect(DateiNameWahl, &QPushButton::clicked, this, &TOptionen::DateiNameWahlClick);
  connect(WaehrungBox, &QComboBox::currentTextChanged, this, &TOptionen::WaehrungBoxChange);

  ShowSettings();
}

int TOptionen::Run(const std::string& file_currency) {
  conversion_.reset();
  ShowSettings();
  Pages->setCurrentIndex(0);
  PrepareCurrencyPage(file_currency);
  PlaceOnScreen();
  return exec();
}

void TOptionen::ReadSettings() {
  if (!korvex::ReadSettings(store_, settings_)) QApplication::beep();
  ShowSettings();
}

void TOptionen::ShowSettings() {
  OnlineAutoCheckUpdates->setChecked(settings_.Online_Update_Check);
  OnlineAutoCheckUpdatesBeta->setChecked(settings_.Online_Update_Check_Beta);
  OnlineProxyServer->setText(FromWin1252(settings_.Online_Proxy));
  OnlineProxyPort->setText(FromWin1252(settings_.Online_Proxy_Port));
  OnlineProxyUser->setText(FromWin1252(settings_.Online_Proxy_Username));
  OnlineProxyPasswort->setText(FromWin1252(settings_.Online_Proxy_Password));
  DruckerSchriftUD->SetPosition(settings_.Printer_Font_Size);

  KategorienGleich->setChecked(settings_.KatGl);
  KategorienGleichFrage->setChecked(settings_.KatGlFrage);
  AutoSaveEnd->setChecked(settings_.AutoSaveEnd);
  AutoSaveTime->setText(FromWin1252(settings_.AutoSaveTime));
  AutoSaveTimeUpdown->FollowText();
  AutoSave->setChecked(settings_.AutoSave);
  AnfrageProgrammEnde->setChecked(settings_.Anfrage);

  DateiAutoLaden->setChecked(settings_.AutoDatei);
  Dateiname->setText(FromWin1252(settings_.AutoDatei_Name));
  DatumFormatBox->setCurrentIndex(DatumFormatBox->findText(FromWin1252(settings_.DatumFormat)));
  DatumAusSystemsteuerung->setChecked(settings_.DatumAuto);
  DateiAutoLadenClick();
  DatumAusSystemsteuerungClick();

  ShowPictureSettings();
}

std::array<QRadioButton*, 4> TOptionen::PictureDisplayButtons() const {
  return {GraphikZeigeManuell, GraphikZeigeAutomatisch, GraphikZeigeImmer, GraphikZeigeListe};
}

std::array<QRadioButton*, 6> TOptionen::PicturePlaceButtons() const {
  return {GraphikObenLinks, GraphikAnzFrei, GraphikAnzRechts,
          GraphikAnzLinks,  GraphikAnzOben, GraphikAnzUnten};
}

std::array<QRadioButton*, 3> TOptionen::PictureCopyButtons() const {
  return {GraphikKopierenImmer, GraphikKopierenNie, GraphikKopierenAufforderung};
}

namespace {

// The place codes are the powers of two 1 to 32 and the copy codes 1, 2 and 4, each in button
// order; a code that names no button leaves the buttons as they are.
template <size_t N>
void CheckButtonOfCode(const std::array<QRadioButton*, N>& buttons, int code) {
  for (size_t i = 0; i < N; ++i) {
    if (code == (1 << i)) buttons[i]->setChecked(true);
  }
}

// The code of the checked button; the last button's code when none of the others is checked.
template <size_t N>
int CodeOfCheckedButton(const std::array<QRadioButton*, N>& buttons) {
  for (size_t i = 0; i + 1 < N; ++i) {
    if (buttons[i]->isChecked()) return 1 << i;
  }
  return 1 << (N - 1);
}

}  // namespace

void TOptionen::ShowPictureSettings() {
  GraphikAnzAutoGroesse->setChecked(settings_.Graphik_Autoformat);
  GraphikFocusInAnzeige->setChecked(settings_.Graphik_Focus);
  const int display = static_cast<int>(settings_.Graphik_Auto);
  const auto displayButtons = PictureDisplayButtons();
  displayButtons[display >= 0 && display < 3 ? display : 3]->setChecked(true);
  CheckButtonOfCode(PicturePlaceButtons(), static_cast<int>(settings_.Graphik_Pos));
  CheckButtonOfCode(PictureCopyButtons(), static_cast<int>(settings_.Graphik_Copy));
}

void TOptionen::TakeSettings() {
  settings_.Online_Update_Check = OnlineAutoCheckUpdates->isChecked();
  settings_.Online_Update_Check_Beta = OnlineAutoCheckUpdatesBeta->isChecked();
  settings_.Online_Proxy = ToWin1252(OnlineProxyServer->text());
  settings_.Online_Proxy_Port = ToWin1252(OnlineProxyPort->text());
  settings_.Online_Proxy_Username = ToWin1252(OnlineProxyUser->text());
  settings_.Online_Proxy_Password = ToWin1252(OnlineProxyPasswort->text());

  settings_.KatGl = KategorienGleich->isChecked();
  settings_.KatGlFrage = KategorienGleichFrage->isChecked();
  settings_.AutoSaveEnd = AutoSaveEnd->isChecked();
  settings_.AutoSaveTime = ToWin1252(AutoSaveTime->text());
  settings_.AutoSave = AutoSave->isChecked();
  settings_.Anfrage = AnfrageProgrammEnde->isChecked();

  settings_.AutoDatei = DateiAutoLaden->isChecked();
  settings_.AutoDatei_Name = ToWin1252(Dateiname->text());
  settings_.DatumFormat =
      DatumFormatBox->currentIndex() < 0 ? std::string() : ToWin1252(DatumFormatBox->currentText());
  settings_.DatumAuto = DatumAusSystemsteuerung->isChecked();

  TakePictureSettings();
}

void TOptionen::TakePictureSettings() {
  settings_.Graphik_Autoformat = GraphikAnzAutoGroesse->isChecked();
  settings_.Graphik_Focus = GraphikFocusInAnzeige->isChecked();
  const auto displayButtons = PictureDisplayButtons();
  settings_.Graphik_Auto = PictureDisplay::kListMode;
  for (int i = 0; i < 3; ++i) {
    if (displayButtons[i]->isChecked()) settings_.Graphik_Auto = static_cast<PictureDisplay>(i);
  }
  settings_.Graphik_Pos = static_cast<PicturePlace>(CodeOfCheckedButton(PicturePlaceButtons()));
  settings_.Graphik_Copy = static_cast<PictureCopy>(CodeOfCheckedButton(PictureCopyButtons()));
}

void TOptionen::OkBtnClick() {
  settings_.Printer_Font_Size =
      PrintFontSizeFromText(ToWin1252(DruckerSchrift->text()), settings_.Printer_Font_Size);
  TakeSettings();
  if (!korvex::WriteSettings(store_, settings_)) QApplication::beep();
  conversion_ = ConfirmCurrencyChange(
      ToWin1252(AlteWaehrungBox->currentText()), NewCurrency(), ToWin1252(UmrAltBox->text()),
      ToWin1252(UmrNeuBox->text()), messages_);
  accept();
}

void TOptionen::reject() {
  conversion_.reset();
  ReadSettings();
  QDialog::reject();
}

void TOptionen::done(int result) {
  // A dialog closed before it was ever shown has no place of its own to remember.
  if (isVisible()) {
    places_.WdLinksOptionen = x();
    places_.WdObenOptionen = y();
  }
  QDialog::done(result);
}

void TOptionen::PlaceOnScreen() {
  const QPoint place(places_.WdLinksOptionen, places_.WdObenOptionen);
  // A place on a screen that is no longer attached would open the dialog out of reach.
  if (QGuiApplication::screenAt(place) != nullptr) move(place);
}

std::string TOptionen::NewCurrency() const { return ToWin1252(WaehrungBox->currentText()); }

void TOptionen::DateiAutoLadenClick() {
  const bool enabled = DateiAutoLaden->isChecked();
  Dateiname->setEnabled(enabled);
  DateiNameWahl->setEnabled(enabled);
}

void TOptionen::DatumAusSystemsteuerungClick() {
  DatumFormatBox->setEnabled(!DatumAusSystemsteuerung->isChecked());
}

QString TOptionen::ChooseFileInDialog() {
  return QFileDialog::getOpenFileName(
      this, QString::fromUtf8("Öffnen"), FromWin1252(PathText(DataFolder())),
      QString::fromUtf8("Korvex 3 (*.mvc *.mvs);;XML-Dateien (*.xml)"));
}

void TOptionen::DateiNameWahlClick() {
  const QString chosen = choose_file_ ? choose_file_() : ChooseFileInDialog();
  if (chosen.isEmpty()) return;
  std::string name = ToWin1252(chosen);
  if (ExtensionOf(name).empty()) name += ".vov";
  Dateiname->setText(FromWin1252(name));
}

void TOptionen::PrepareCurrencyPage(const std::string& file_currency) {
  rates_ = CurrencyRates::Load(CurrencyRates::DefaultFile());
  QStringList names;
  for (const std::string& name : rates_.Names()) names << FromWin1252(name);
  const QString currency = FromWin1252(file_currency);
  for (QComboBox* box : {AlteWaehrungBox, WaehrungBox}) {
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(-1);
    box->setEditText(currency);
  }
  UmrAltWaehrung->setText(currency);
  WaehrungBoxChange();
}

void TOptionen::WaehrungBoxChange() {
  UmrNeuWaehrung->setText(WaehrungBox->currentText());
  const ConversionProposal proposal =
      ProposeConversion(rates_, ToWin1252(AlteWaehrungBox->currentText()), NewCurrency());
  UmrAltBox->setText(FromWin1252(proposal.old_amount));
  UmrNeuBox->setText(FromWin1252(proposal.new_amount));
  UmrechnungsGroup->setEnabled(proposal.enabled);
}

}  // namespace korvex::gui
