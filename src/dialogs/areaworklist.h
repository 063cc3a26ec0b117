#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/tkategorie.h"
#include "platform/progress.h"

namespace korvex {

// The text of the progress display while the area dialog opens and applies its result (UTF-8).
inline constexpr const char* kAreaWorkProgressText = "Arbeite. Bitte warten...";

// Why the selected area cannot be deleted (UTF-8).
inline constexpr const char* kAreaInUseText =
    "Diese Kategorie enthält Daten und kann daher nicht gelöscht werden";

// The working list of the area definition dialog: one entry per area in display order. Every entry
// holds a copy of its area, so the collection stays untouched until the result is applied, and
// closing the dialog without OK drops every edit.
class AreaWorkList {
 public:
  // Copies the document's areas with their present ids and marks every area that coins belong to
  // as in use; a document without areas gets one new area. The progress runs over coins + 2.
  static AreaWorkList FromDocument(const CollectionDocument& document, Progress& progress);

  int Count() const { return static_cast<int>(entries_.size()); }
  TKategorieCache& Entry(int index) { return entries_.at(index); }
  const TKategorieCache& Entry(int index) const { return entries_.at(index); }

  // Whether the document had at least one area when the list was made.
  bool had_areas() const { return had_areas_; }

  // Appends a new area ("Neues Sammelgebiet", its position as short name) and returns its index.
  int AddNewArea();

  // Swaps the entry with its neighbour; a move past either end does nothing. Returns the entry's
  // index afterwards.
  int MoveUp(int index);
  int MoveDown(int index);

  // An area may go when no coin belongs to it and it is not the only one.
  bool CanDelete(int index) const;
  // The explanation shown beside the delete button: `kAreaInUseText` for an area with coins.
  std::string DeleteBlockedText(int index) const;
  // Removes the entry when allowed and returns the index to select afterwards: the same position,
  // or the last entry when the removed one was last. Nothing when the entry may not go.
  std::optional<int> Delete(int index);

 private:
  std::vector<TKategorieCache> entries_;
  bool had_areas_ = false;
};

// Puts the dialog's result into the document: the areas in working-list order, each numbered by
// its new position; every coin of a listed area follows its area to the new number (coins of no
// listed area keep theirs); the currency symbol when one was asked for (Windows-1252). Afterwards
// all coins are shown (`current_view`) and the document is marked modified. The progress runs over
// entries + coins + 1.
void ApplyAreaDefinition(CollectionDocument& document, AreaWorkList work_list,
                         const std::optional<std::string>& currency_symbol, Progress& progress);

}  // namespace korvex
