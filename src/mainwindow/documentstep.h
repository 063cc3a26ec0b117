#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/orderchange.h"
#include "mainwindow/valuechange.h"
#include "model/collectiondocument.h"

namespace korvex {

// Where the user was when a step happened: the shown view and the selected coin. Undo returns
// there with the view as it was before the step, redo with the view after it.
struct StepPlace {
  int32_t view = kAllCoinsView;
  const TDaten* coin = nullptr;
};

// The document's own settings a step may change besides coins and areas.
struct DocumentSettings {
  int32_t highest_item = 0;
  std::string currency_symbol;
  std::array<int32_t, 5> sort_keys{};
  bool standard_order = true;
  std::vector<TZelle> all_cells;
  std::array<TZelle, kAlignmentTableSize> alignment_table{};

  static DocumentSettings Of(const CollectionDocument& document);
  void ExchangeWith(CollectionDocument& document);
  bool operator==(const DocumentSettings&) const = default;
};

// One change of the document that can be taken back and made again. It holds only what the change
// touched, for the side that is not applied: coin values, the order change with the coins that
// entered or left, the document's settings and the areas when they changed.
class DocumentStep {
 public:
  ~DocumentStep();

  // The text the menu names the step by ("Löschen von 5 Mark (1936, Olympia)"), Windows-1252.
  const std::string& caption() const { return caption_; }
  const StepPlace& before() const { return before_; }
  const StepPlace& after() const { return after_; }

  // The document must be in the state after the step for Undo and before it for Redo.
  void Undo(CollectionDocument& document);
  void Redo(CollectionDocument& document);

  // The bytes the step holds.
  size_t MemorySize() const;

 private:
  friend class StepRecorder;
  DocumentStep() = default;
  void ExchangeValues(CollectionDocument& document);

  std::string caption_;
  StepPlace before_;
  StepPlace after_;
  std::vector<std::unique_ptr<ValueChange>> values_;
  std::unique_ptr<OrderChange> order_;
  std::optional<DocumentSettings> settings_;
  std::optional<std::vector<std::unique_ptr<TKategorie>>> areas_;
  // Coins taken out during the step that were never in its order (none in practice).
  std::vector<std::unique_ptr<TDaten>> kept_;
};

// What a change may touch, so that the recorder captures only that beforehand. The settings and the
// areas are always captured; they are small.
struct StepScope {
  bool order = false;                 // coins may enter, leave or change places
  std::vector<TDaten*> coins;         // coins whose values may change (copied whole)
  bool prices = false;                // catalogue value, purchase price and estimate of every coin
  bool catalogue_numbers = false;     // the six catalogue numbers of every coin
  bool coin_areas = false;            // the area id of every coin
};

// Records one step around the code that changes the document: made before the change, finished
// after it (with the collection sorted as it will stay). A coin the change takes out of the
// document is handed over with KeepRemoved, so that undo can put it back.
class StepRecorder {
 public:
  StepRecorder(const CollectionDocument& document, StepScope scope, const TDaten* selected);
  ~StepRecorder();
  StepRecorder(const StepRecorder&) = delete;
  StepRecorder& operator=(const StepRecorder&) = delete;

  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  void KeepRemoved(std::unique_ptr<TDaten> coin) { removed_.push_back(std::move(coin)); }

  // The step, or nothing when the document is as it was.
  std::unique_ptr<DocumentStep> Finish(const CollectionDocument& document, const TDaten* selected);

 private:
  StepScope scope_;
  std::string caption_;
  StepPlace before_;
  std::vector<TDaten*> order_;
  DocumentSettings settings_;
  std::vector<std::unique_ptr<TKategorie>> areas_;
  std::unique_ptr<RecordValues> records_;
  std::vector<std::unique_ptr<MemberValues<double>>> numbers_;
  std::vector<std::unique_ptr<MemberValues<std::string>>> texts_;
  std::unique_ptr<MemberValues<int32_t>> coin_areas_;
  std::vector<std::unique_ptr<TDaten>> removed_;
};

}  // namespace korvex
