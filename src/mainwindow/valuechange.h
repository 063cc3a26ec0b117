#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/tdaten.h"

namespace korvex {

// Values that one undoable step changed in coins, held for the side of the step that is not
// applied. Taking the step back and making it again are the same exchange of the held values with
// the coins' own.
class ValueChange {
 public:
  virtual ~ValueChange() = default;
  virtual void Exchange() = 0;
  virtual size_t MemorySize() const = 0;
};

// One member of many coins, as a step over the whole collection changes it (the prices of a
// currency conversion, the area ids of an area definition): only coins whose value changed are
// kept, with their former value.
template <typename T>
class MemberValues final : public ValueChange {
 public:
  MemberValues(T TDaten::*member, const std::vector<TDaten*>& coins) : member_(member), coins_(coins) {
    values_.reserve(coins_.size());
    for (const TDaten* coin : coins_) values_.push_back(coin->*member_);
  }

  // Drops the coins whose value is what it was; true when any value changed.
  bool KeepChanged() {
    size_t kept = 0;
    for (size_t i = 0; i < coins_.size(); ++i) {
      if (coins_[i]->*member_ == values_[i]) continue;
      if (kept != i) {  // a string moved onto itself would lose its text
        coins_[kept] = coins_[i];
        values_[kept] = std::move(values_[i]);
      }
      ++kept;
    }
    coins_.resize(kept);
    values_.resize(kept);
    coins_.shrink_to_fit();
    values_.shrink_to_fit();
    return kept > 0;
  }

  void Exchange() override {
    using std::swap;
    for (size_t i = 0; i < coins_.size(); ++i) swap(coins_[i]->*member_, values_[i]);
  }

  size_t MemorySize() const override {
    size_t bytes = sizeof(*this) + coins_.capacity() * sizeof(TDaten*) + values_.capacity() * sizeof(T);
    if constexpr (std::is_same_v<T, std::string>) {
      for (const std::string& value : values_) bytes += value.capacity() > 15 ? value.capacity() + 1 : 0;
    }
    return bytes;
  }

 private:
  T TDaten::*member_;
  std::vector<TDaten*> coins_;
  std::vector<T> values_;
};

// Whole coins whose values a step changed (an entry dialog's change, a quick price change): each
// kept as a standalone copy of its other side.
class RecordValues final : public ValueChange {
 public:
  explicit RecordValues(const std::vector<TDaten*>& coins);
  void Exchange() override;
  size_t MemorySize() const override;

 private:
  std::vector<std::pair<TDaten*, std::unique_ptr<TDaten>>> records_;
};

}  // namespace korvex
