#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <memory>
#include <vector>

#include "dialogs/entryfields.h"
#include "dialogs/entryrules.h"
#include "dialogs/lookuplists.h"
#include "help/helptopics.h"
#include "model/formatsettings.h"
#include "model/tdaten.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace korvex {
class CollectionDocument;
class MessageService;
struct WindowPlaces;
}  // namespace korvex

namespace korvex::gui {

class PictureChooser;
class UpDown;

// What the entry dialog works with besides its own controls.
struct EntryDialogServices {
  CollectionDocument* document = nullptr;  // areas, currency symbol, picture folder
  LookupLists* lookups = nullptr;          // the shared lists; new texts are added to them
  const FormatSettings* format = nullptr;  // number and date texts
  WindowPlaces* places = nullptr;          // `WdLinksEingabe` / `WdObenEingabe`
  MessageService* messages = nullptr;
  PictureChooser* pictures = nullptr;      // empty: the open dialog "Bild auswählen"
  std::function<void()> clear_status_message;  // the main window's message panel
  std::function<double()> today;               // empty: the clock
  HelpHandler show_help;                       // F1: the focused control's topic; empty: none
};

// The coin entry dialog: the one form through which a coin is entered, changed, deleted or cut,
// and the editor of the search template and the free filter. It shows the fields the coin's
// collecting area uses and applies the input rules while the user types.
//
// The commands drive it like this (RunEntryDialog does all of it):
//   TFensterEingabeFenster dialog(services, window);      // lists the document's areas
//   dialog.SetPurpose(EntryPurpose::kChange);             // mode flags
//   dialog.setWindowTitle(EntryDialogTitle(...));
//   dialog.LoadRecord(coin);   dialog.exec();             // again without loading after
//                                                         //  an area switch (`AreaChanged`)
//   if (dialog.EingabeOkPressed) { dialog.StoreRecord(); coin.Assign(*dialog.EditedRecord());
//                                  dialog.ReleaseRecord(); }
class TFensterEingabeFenster : public QDialog {
  Q_OBJECT

 public:
  explicit TFensterEingabeFenster(EntryDialogServices services, QWidget* parent = nullptr);
  ~TFensterEingabeFenster() override;

  // Sets the mode flags for a purpose (`IstAenderung`, `IstLoeschen`, `CutMode`, `TemplateMode`,
  // `FilterMode`).
  void SetPurpose(EntryPurpose purpose);

  // Takes a copy of the record, fills the controls and lays them out.
  void LoadRecord(const TDaten& record);
  // Writes every control into the working copy (a new empty one when there is none).
  void StoreRecord();
  TDaten* EditedRecord() const { return work_record_.get(); }
  void ReleaseRecord() { work_record_.reset(); }
  // Shows and hides the rows for the chosen area or for the templates.
  void LayoutForArea();
  // The captions of the three number fields from the chosen area.
  void SetCatalogueCaptions();

  // The help context number of a control (0 when it has none) and of the dialog.
  static constexpr int kHelpContext = kHelpEntryDialog;
  static int HelpContextOf(const QWidget* control);

  // --- flags between the caller and the dialog ---
  bool EingabeOkPressed = false;  // OK or "Weitere Münze" closed the dialog
  bool IstAenderung = false;      // change mode
  bool IstLoeschen = false;       // delete mode; cleared when the dialog closes
  bool IstNaechster = false;      // "Weitere Münze" was used
  bool CutMode = false;           // the deletion is a cut
  bool AreaChanged = false;       // the user picked another area; the caller shows the dialog again
  int AreaIndex = 1;              // the area chosen in `Kategoriewahl`, 1-based
  int CountOnEnter = 0;           // the count when its field was entered
  bool TemplateMode = false;      // a search or filter template
  bool FilterMode = false;        // the free filter

  // --- controls, in tab order ---
  QComboBox* Kategoriewahl = nullptr;
  QLineEdit* EingabeInventarnr = nullptr;
  QComboBox* EingabeQualitaet = nullptr;
  QComboBox* EingabeQualitaetLang = nullptr;
  QLineEdit* ENummer2 = nullptr;
  QLineEdit* ENummer1 = nullptr;
  QLineEdit* ENummer3 = nullptr;
  QLabel* ENummer1T = nullptr;
  QLabel* ENummer2T = nullptr;
  QLabel* ENummer3T = nullptr;
  QLineEdit* EingabeStueck = nullptr;
  UpDown* UpDown1 = nullptr;  // removed in the templates
  QComboBox* EingabeLand = nullptr;
  QComboBox* EingabeStadt = nullptr;
  QComboBox* EingabeMuenzmeister = nullptr;
  QComboBox* EingabeHerstellung = nullptr;
  QLineEdit* EingabePraegezahl = nullptr;
  QComboBox* EingabeWaehrung = nullptr;
  QComboBox* EingabeMotiv1 = nullptr;
  QComboBox* EingabeMotiv2 = nullptr;
  QComboBox* EingabeRand = nullptr;
  QLineEdit* EingabePraegejahr = nullptr;
  QLineEdit* EAusgabeDatum = nullptr;
  QToolButton* EAusgabeDatumWahl = nullptr;
  QLineEdit* EGueltigBis = nullptr;
  QToolButton* EGueltigBisWahl = nullptr;
  QLineEdit* EingabePreis = nullptr;
  QLabel* Currency2Text = nullptr;
  QLineEdit* EingabeSchaetzwert = nullptr;
  QLabel* EingabeSchaetzwertC = nullptr;
  QLineEdit* EingabeKaufpreis = nullptr;
  QLabel* Currency1Text = nullptr;
  QLineEdit* EingabeDatum = nullptr;
  QToolButton* EingabeDatumWahl = nullptr;
  QLineEdit* EingabeGewicht = nullptr;
  QLineEdit* EingabeFeingehalt = nullptr;
  QLineEdit* EingabeFeingewicht = nullptr;
  QComboBox* EingabeLegierung = nullptr;
  QComboBox* EingabeHaendler = nullptr;
  QCheckBox* EEtui = nullptr;
  QCheckBox* EZertifikat = nullptr;
  QComboBox* EingabeThema = nullptr;
  QLineEdit* EingabeDurchmesser = nullptr;
  QLineEdit* EingabeMaxDurchmesser = nullptr;
  QLineEdit* EMuenzdicke = nullptr;
  QLineEdit* EingabeAuflage = nullptr;
  QComboBox* EingabeAufbewahrungsort = nullptr;
  QLineEdit* EKuenstlerAvers = nullptr;
  QLineEdit* EKuenstlerRevers = nullptr;
  std::array<QLineEdit*, 5> EingabeZusatz = {};
  std::array<QLabel*, 5> EingabeZusatzT = {};
  QLineEdit* EingabeBild1 = nullptr;
  QToolButton* BildOeffnen1 = nullptr;
  QLineEdit* EingabeBild2 = nullptr;
  QToolButton* BildOeffnen2 = nullptr;
  QRadioButton* IstODER = nullptr;
  QRadioButton* IstUND = nullptr;
  QPushButton* EingabeTextButton = nullptr;
  QPushButton* EingabeNaechster = nullptr;
  QPushButton* EingabeOk = nullptr;
  QPushButton* EingabeAbbruch = nullptr;
  QCheckBox* Kategoriefrei = nullptr;
  QCheckBox* IstGleich = nullptr;
  QCheckBox* IstGross = nullptr;

  // The caption label of a control ("Ka&ufpreis:"); nothing for the check boxes and buttons.
  QLabel* LabelOf(const QWidget* control) const;

  // --- the input rules, as the controls' events call them ---
  void EingabeStueckEnter();
  void EingabeStueckExit();
  void EingabePreisExit();
  void PriceExit(QLineEdit* price);  // `EingabeKaufpreis`, `EingabeSchaetzwert`
  void WeightExit(WeightField left);
  void EingabeDatumExit();
  void PickDate(QLineEdit* edit);
  void EingabeQualitaetChange();
  void EingabeQualitaetLangChange();
  void EingabeQualitaetExit();
  void EingabeQualitaetLangExit();
  void LookupBoxExit(QComboBox* box);
  void ChoosePicture(QLineEdit* edit);

  // --- buttons and the area switch ---
  void KategoriewahlChange(int index);
  void EingabeOkClick();
  void EingabeNaechsterClick();
  void EingabeAbbruchClick();
  void EingabeTextButtonClick();
  void reject() override;  // Esc and the window's close box act like "Abbruch"

  // The field panel inside the scroll area.
  QWidget* FieldPanel() const { return panel_; }
  QScrollArea* ScrollArea() const { return scroll_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One line of the form: a caption, the control and what is shown and hidden with it.
  struct Row {
    QLabel* label = nullptr;
    QWidget* control = nullptr;
    std::vector<QWidget*> companions;
    std::function<bool(const TKategorie&)> used;  // whether an area shows the row
  };
  // A combo box fed by a lookup list.
  struct LookupBox {
    QComboBox* box;
    LookupList list;
  };

  void BuildControls();
  void BuildTemplateOptions();
  void BuildButtons();
  void ArrangeRows();
  void SetTabOrder();
  void ConnectRules();
  void ApplyHelpContexts();
  Row& AddRow(const char* caption, QWidget* control, std::vector<QWidget*> companions,
              std::function<bool(const TKategorie&)> used);

  void ApplyModeToControls();
  void FitToScreen();
  void RefreshCurrencyLabels();
  void FillLookupBoxes();
  void FillQualityBoxes();
  void SetBoxItems(QComboBox* box, const std::vector<std::string>& items);
  void ShowRow(const Row& row, bool shown);
  void LayoutForTemplate();
  void EmptyNumericFields();
  void LeaveFocusedField();
  void RunLeaveRule(QObject* control);
  const TKategorie* ChosenArea() const;
  QLineEdit* NumberEdit(int slot) const;
  QLabel* NumberLabel(int slot) const;
  double TodayNumber() const;
  bool Shown(const QWidget* control) const;

  EntryDialogServices services_;
  std::unique_ptr<PictureChooser> own_pictures_;
  std::unique_ptr<TDaten> work_record_;
  std::vector<Row> rows_;
  std::vector<LookupBox> lookup_boxes_;
  QWidget* panel_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* template_options_ = nullptr;
  bool syncing_quality_ = false;
};

// Runs the dialog for one command as the caller protocol asks: sets the purpose and the title,
// loads `record`, shows the dialog (again after each area switch, with the record moved to the
// new area) and, after OK or "Weitere Münze", copies the edited record into `record`. True when
// the dialog was left with OK or "Weitere Münze" (`IstNaechster` tells which).
bool RunEntryDialog(TFensterEingabeFenster& dialog, TDaten& record, EntryPurpose purpose);

}  // namespace korvex::gui
