#pragma once

#include <memory>

#include "dialogs/entryfields.h"

class QDialog;

namespace korvex {

class THauptfenster;
class TDaten;
namespace gui {
class TFensterEingabeFenster;
}

// The commands of the menu "&Bearbeiten", of the toolbars `Datensatz` and `Zwischenablage` and of
// the grid's context menu: new, change, delete, cut, copy, paste and the quick price change. They
// drive the entry dialog and the price dialog and leave the decisions about the document to the
// core rules of the record commands.
class RecordCommands {
 public:
  explicit RecordCommands(THauptfenster& window);
  ~RecordCommands();

  void MenuBearbeitenNeuClick();
  void MenuBearbeitenAendernClick();
  void MenuBearbeitenPreisaendernClick();
  void MenuBearbeitenLoeschenClick();
  void MenuBearbeitenAusschneidenClick();
  void MenuBearbeitenKopierenClick();
  void MenuBearbeitenEinfuegenClick();

 private:
  void Connect(const char* name, void (RecordCommands::*handler)());
  std::unique_ptr<gui::TFensterEingabeFenster> CreateEntryDialog() const;
  // Sets the title for the area the dialog shows, the mode and shows it.
  void ShowEntryDialog(gui::TFensterEingabeFenster& dialog, EntryPurpose purpose);
  // Runs a change of `coin`; returns the coin "Weitere Münze" goes on from, or nothing.
  TDaten* ChangeOnce(gui::TFensterEingabeFenster& dialog, TDaten& coin, bool& changed);
  // The dialog's values into `record`, then its pictures into the picture folder.
  void TakeOverValues(gui::TFensterEingabeFenster& dialog, TDaten& record) const;
  void Delete(bool cut);
  int Exec(QDialog& dialog) const;

  THauptfenster& window_;
};

}  // namespace korvex
