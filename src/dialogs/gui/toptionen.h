#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/currencyconversion.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace korvex {
class MessageService;
class SettingsStore;
struct ProgramSettings;
struct WindowPlaces;
}  // namespace korvex

namespace korvex::gui {

class UpDown;

// The settings dialog "Einstellungen" with its pages "Allgemein", "Graphik", "Extras", "Online"
// and "Währung dieser Datei". It edits the settings object in force; "&OK" writes it to the store,
// "&Abbruch" (also Esc and closing the window) reads it back from the store, undoing every edit.
// The currency page only collects a conversion request; the caller carries it out.
//
// The main window keeps one dialog for the whole run:
//   TOptionen options(store, settings, places, messages, this);
//   options.Run(document.currency_symbol);       // "&Einstellungen...", whatever the result:
//   configure autosave from AutoSaveInterval(settings);
//   if (auto amounts = options.ConversionRequest())
//     ConvertCurrency(document, options.NewCurrency(), *amounts, progress);
//
// The dialog opens at `WdLinksOptionen`/`WdObenOptionen` of the window places and writes its
// place back there when it closes.
class TOptionen : public QDialog {
  Q_OBJECT

 public:
  TOptionen(SettingsStore& store, ProgramSettings& settings, WindowPlaces& places,
            MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally with its first page in front. `file_currency` is the currency
  // symbol of the open collection (Windows-1252). Returns QDialog::Accepted after "&OK".
  int Run(const std::string& file_currency);

  // The settings store's values into the settings object and the controls.
  void ReadSettings();
  // The settings object into the controls.
  void ShowSettings();

  // Set after "&OK" when the user confirmed a change of the collection's currency with usable
  // amounts; cleared by every other way of closing.
  const std::optional<ConversionAmounts>& ConversionRequest() const { return conversion_; }
  // The new currency symbol of the collection, Windows-1252.
  std::string NewCurrency() const;

  // Replaces the file dialog of `DateiNameWahl` (tests). It answers the chosen file or nothing.
  void SetFileChooser(std::function<QString()> chooser) { choose_file_ = std::move(chooser); }

  void done(int result) override;
  // "&Abbruch", Esc and the window's close button: no conversion, and the stored settings again.
  void reject() override;

  QTabWidget* Pages = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // Page "Allgemein".
  QCheckBox* AutoSave = nullptr;
  QLineEdit* AutoSaveTime = nullptr;
  UpDown* AutoSaveTimeUpdown = nullptr;
  QCheckBox* AutoSaveEnd = nullptr;
  QCheckBox* AnfrageProgrammEnde = nullptr;
  QCheckBox* KategorienGleich = nullptr;
  QCheckBox* KategorienGleichFrage = nullptr;

  // Page "Graphik".
  QRadioButton* GraphikZeigeManuell = nullptr;
  QRadioButton* GraphikZeigeAutomatisch = nullptr;
  QRadioButton* GraphikZeigeImmer = nullptr;
  QRadioButton* GraphikZeigeListe = nullptr;
  QRadioButton* GraphikObenLinks = nullptr;
  QRadioButton* GraphikAnzFrei = nullptr;
  QRadioButton* GraphikAnzRechts = nullptr;
  QRadioButton* GraphikAnzLinks = nullptr;
  QRadioButton* GraphikAnzOben = nullptr;
  QRadioButton* GraphikAnzUnten = nullptr;
  QRadioButton* GraphikKopierenImmer = nullptr;
  QRadioButton* GraphikKopierenNie = nullptr;
  QRadioButton* GraphikKopierenAufforderung = nullptr;
  QCheckBox* GraphikAnzAutoGroesse = nullptr;
  QCheckBox* GraphikFocusInAnzeige = nullptr;

  // Page "Extras".
  QCheckBox* DateiAutoLaden = nullptr;
  QLineEdit* Dateiname = nullptr;
  QPushButton* DateiNameWahl = nullptr;
  QCheckBox* DatumAusSystemsteuerung = nullptr;
  QComboBox* DatumFormatBox = nullptr;
  QLabel* Datum_ErstbeiNeustart = nullptr;
  QLineEdit* DruckerSchrift = nullptr;
  UpDown* DruckerSchriftUD = nullptr;

  // Page "Online".
  QCheckBox* OnlineAutoCheckUpdates = nullptr;
  QCheckBox* OnlineAutoCheckUpdatesBeta = nullptr;
  QLineEdit* OnlineProxyServer = nullptr;
  QLineEdit* OnlineProxyPort = nullptr;
  QLineEdit* OnlineProxyUser = nullptr;
  QLineEdit* OnlineProxyPasswort = nullptr;

  // Page "Währung dieser Datei".
  QWidget* WaehrungRegister = nullptr;
  QComboBox* AlteWaehrungBox = nullptr;
  QComboBox* WaehrungBox = nullptr;
  QGroupBox* UmrechnungsGroup = nullptr;
  QLineEdit* UmrAltBox = nullptr;
  QLabel* UmrAltWaehrung = nullptr;
  QLineEdit* UmrNeuBox = nullptr;
  QLabel* UmrNeuWaehrung = nullptr;

 private slots:
  void OkBtnClick();
  void DateiAutoLadenClick();
  void DatumAusSystemsteuerungClick();
  void DateiNameWahlClick();
  void WaehrungBoxChange();

 private:
  // The radio buttons of the three groups of the page "Graphik", in the order of their codes.
  std::array<QRadioButton*, 4> PictureDisplayButtons() const;
  std::array<QRadioButton*, 6> PicturePlaceButtons() const;
  std::array<QRadioButton*, 3> PictureCopyButtons() const;

  QWidget* CreateGeneralPage();
  QWidget* CreatePicturePage();
  QWidget* CreateExtrasPage();
  QWidget* CreateOnlinePage();
  QWidget* CreateCurrencyPage();
  void CreateButtons();

  void ShowPictureSettings();
  void TakeSettings();
  void TakePictureSettings();
  void PrepareCurrencyPage(const std::string& file_currency);
  void PlaceOnScreen();
  QString ChooseFileInDialog();

  SettingsStore& store_;
  ProgramSettings& settings_;
  WindowPlaces& places_;
  MessageService& messages_;
  CurrencyRates rates_;
  std::optional<ConversionAmounts> conversion_;
  std::function<QString()> choose_file_;
};

}  // namespace korvex::gui
