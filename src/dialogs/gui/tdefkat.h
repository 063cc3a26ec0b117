#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/arearules.h"
#include "dialogs/areaworklist.h"
#include "dialogs/gui/iconfilechooser.h"
#include "model/collectiondocument.h"
#include "platform/progress.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace korvex::gui {

// Replacements for the dialog's own helpers; tests answer without further windows. Every pointer
// left empty gets the real thing: the catalogue-name dialog and the picture-open dialog. Without
// `progress`, `make_progress` makes the display for the dialog (the main window passes its wait
// window with a bar that counts the real work); without either the work shows no progress.
struct AreaDialogServices {
  CatalogueNameAsker* name_asker = nullptr;
  IconFileChooser* icon_chooser = nullptr;
  Progress* progress = nullptr;
  std::function<std::unique_ptr<Progress>(QWidget* dialog)> make_progress;
};

// "Kategorien definieren": creates, renames, orders and deletes the collecting areas and decides
// per area which fields, catalogue systems, extra-field captions, short name, picture and toolbar
// button it has. A collection without areas also chooses its currency symbol here.
//
// The dialog works on copies of the areas: nothing in the collection changes until OK, which puts
// the areas in their new order into the document, lets every coin follow its area to its new
// number, sets the currency symbol when it was asked for, shows all coins (`current_view`) and
// marks the document modified. Closing it any other way changes nothing.
//
// Use ("&Kategorien definieren...", Ctrl+K):
//   TDefKat dialog(document, mainWindow);
//   if (dialog.exec() == QDialog::Accepted) {
//     RebuildAreaMenu(); EnableDocumentCommands(); ShowView(kAllCoinsView);
//   }
// When the document has no area yet the dialog has no close button and ignores Escape, so it can
// only be left with OK.
class TDefKat : public QDialog {
  Q_OBJECT

 public:
  explicit TDefKat(CollectionDocument& document, QWidget* parent = nullptr,
                   AreaDialogServices services = {});
  ~TDefKat() override;

  // The working list as it stands (for the caller's checks and tests).
  const AreaWorkList& work_list() const { return work_list_; }

  // The field check box with the given object name ("Durchmesser", "Zusatz3", ...).
  QCheckBox* FieldBox(const std::string& control) const;

  QLabel* KategorieLabel = nullptr;
  QListWidget* KategorieListe = nullptr;
  QPushButton* KatAuf = nullptr;
  QPushButton* KatAb = nullptr;
  QPushButton* KatNeu = nullptr;
  QPushButton* KatLoesch = nullptr;
  QLabel* NichtloeschText = nullptr;
  QLineEdit* KatName = nullptr;
  QLineEdit* KatKurz = nullptr;
  QLabel* SymbolLabel = nullptr;
  QLabel* Piktogramm = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QCheckBox* Menueaufnahme = nullptr;
  QCheckBox* Buttonerz = nullptr;
  std::array<QComboBox*, 3> NummerWahl = {};  // Nummer1Wahl .. Nummer3Wahl
  std::array<QLineEdit*, 5> ZusatzB = {};     // Zusatz1B .. Zusatz5B
  QLabel* WahlWaehrungLabel = nullptr;
  QComboBox* WahlWaehrung = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonAbbrechen = nullptr;  // only while the collection already has areas

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildFieldPanel();
  void ConnectControls();
  void FillAreaList();
  void SetUpCurrencyChoice();

  int Selected() const;
  TKategorie& SelectedArea();
  void ShowArea(int index);
  void ShowIcon(const std::string& icon);
  void UpdateDeleteState();
  void UpdateButtonerz(bool untick_when_disabled);
  void SetKindListNames();

  void FieldToggled(std::size_t switch_index, bool checked);
  void KindChosen(int slot, int kind);
  void CaptionEdited(int field, const QString& text);
  void LeaveName();
  void ChooseIcon();
  void RemoveIcon();
  void NewArea();
  void Move(bool up);
  void DeleteArea();
  void Accept();

  CollectionDocument& document_;
  AreaWorkList work_list_;
  std::vector<QCheckBox*> field_boxes_;  // parallel to AreaFieldSwitches()
  std::unique_ptr<CatalogueNameAsker> own_name_asker_;
  std::unique_ptr<IconFileChooser> own_icon_chooser_;
  std::unique_ptr<Progress> own_progress_;
  CatalogueNameAsker* name_asker_;
  IconFileChooser* icon_chooser_;
  Progress* progress_;
  bool new_area_pending_ = false;
  bool showing_ = false;     // widgets are being filled from the area, not edited by the user
  bool icon_shown_ = false;  // the area's picture could be loaded
};

}  // namespace korvex::gui
