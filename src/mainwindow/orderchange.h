#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/collectiondocument.h"

namespace korvex {

// The collection order of every coin, first to last.
std::vector<TDaten*> CollectionOrderOf(const CollectionDocument& document);

// How one undoable step changed the collection order, kept both ways so that it can be taken back
// and made again. The head and tail the two orders share are only counted; the part between is
// described as runs of the other order's middle and runs of coins that enter, so a coin deleted,
// added or moved costs a few runs, not a copy of the order. Coins outside the document on the side
// not applied are owned here; the display order always follows the collection order.
class OrderChange {
 public:
  // Nothing when both orders are the same. Every coin of `before` missing from `after` must be
  // in `removed` (the step keeps them alive); those are taken over, the others left there.
  static std::unique_ptr<OrderChange> Between(const std::vector<TDaten*>& before,
                                              const std::vector<TDaten*>& after,
                                              std::vector<std::unique_ptr<TDaten>>& removed);
  ~OrderChange();

  // Puts the document into the order before the step (`undo`) or after it. The document must be
  // in the other one.
  void Apply(CollectionDocument& document, bool undo);

  // The bytes this change holds, the coins outside the document included.
  size_t MemorySize() const;

  // Coins that enter the document when the step is made again, and those that leave.
  const std::vector<TDaten*>& added() const { return added_; }
  const std::vector<TDaten*>& removed() const { return removed_; }

 private:
  // `length` entries starting at `start` of the source middle, or with `start` < 0 the next
  // `length` entering coins.
  struct Run {
    int32_t start;
    int32_t length;
  };
  static std::vector<Run> RunsOf(const std::vector<TDaten*>& target, const std::vector<TDaten*>& source);

  OrderChange() = default;

  size_t head_ = 0;
  size_t tail_ = 0;
  size_t before_size_ = 0;
  size_t after_size_ = 0;
  std::vector<Run> to_after_;
  std::vector<Run> to_before_;
  std::vector<TDaten*> added_;
  std::vector<TDaten*> removed_;
  // The coins that are not in the document: `removed_` while the step is made, `added_` while it
  // is taken back.
  std::vector<std::unique_ptr<TDaten>> outside_;
};

// The bytes one coin record holds, its texts and note included.
size_t RecordMemory(const TDaten& coin);

}  // namespace korvex
