#pragma once

#include <memory>
#include <string>

#include "mainwindow/templatematching.h"
#include "model/tdaten.h"

namespace korvex {

// Which filter is in force; the filter menu checks the matching item and presses its button.
enum class FilterKind { kNone, kMissing, kStock, kDuplicates, kFree };

// A template in which every criterion is open: numeric criteria -1, the purchase date the no-date
// value, texts empty, no note. The free filter starts from it.
std::unique_ptr<TDaten> NewFilterTemplate();

// The active filter of the main window with its switches and the suffix it adds to the window
// title. The switches persist while filters come and go, so that the next free filter starts from
// the last one's settings.
class CoinFilter {
 public:
  bool Active() const { return template_ != nullptr; }
  FilterKind kind() const { return kind_; }

  // True when no filter is active or the coin matches the template.
  bool Accepts(const TDaten& coin) const;

  // No filter; the title suffix becomes empty.
  void Clear();

  // One of the three count filters ("Nur Fehlbestand", "Nur Bestand", "Nur Doubletten"): only the
  // count is a criterion, all criteria must match and the yes/no fields set no condition. Any other
  // kind clears the filter.
  void SetCountFilter(FilterKind kind);

  // The filter defined in the entry dialog, with the switches the dialog returned.
  void SetFreeFilter(std::unique_ptr<TDaten> template_, const MatchSwitches& switches);

  // The active template, for loading it back into the entry dialog; nothing without a filter.
  const TDaten* Template() const { return template_.get(); }

  const MatchSwitches& switches() const { return switches_; }
  // " - [nur Fehlbestand]" and the like; empty without a filter. Windows-1252.
  const std::string& suffix() const { return suffix_; }

 private:
  std::unique_ptr<TDaten> template_;
  MatchSwitches switches_;
  std::string suffix_;
  FilterKind kind_ = FilterKind::kNone;
};

}  // namespace korvex
