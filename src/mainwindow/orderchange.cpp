#include "mainwindow/orderchange.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace korvex {
namespace {

// What a text costs beyond its own object: libstdc++ keeps up to 15 characters inside it.
size_t TextHeap(const std::string& text) { return text.capacity() > 15 ? text.capacity() + 1 : 0; }

constexpr std::array<std::string TDaten::*, 34> kTextMembers = {
    &TDaten::item, &TDaten::quality, &TDaten::jaeger, &TDaten::yeoman, &TDaten::schoen,
    &TDaten::ric, &TDaten::cohen, &TDaten::other1, &TDaten::mintlocation, &TDaten::numeral,
    &TDaten::currency, &TDaten::location, &TDaten::country, &TDaten::master, &TDaten::city,
    &TDaten::av_motive, &TDaten::rv_motive, &TDaten::year, &TDaten::date, &TDaten::validtil,
    &TDaten::standard, &TDaten::av_artist, &TDaten::rv_artist, &TDaten::theme, &TDaten::alloy,
    &TDaten::dealer, &TDaten::border, &TDaten::z1, &TDaten::z2, &TDaten::z3, &TDaten::z4,
    &TDaten::z5, &TDaten::av_picture, &TDaten::rv_picture,
};

}  // namespace

std::vector<TDaten*> CollectionOrderOf(const CollectionDocument& document) {
  std::vector<TDaten*> order;
  order.reserve(static_cast<size_t>(std::max(document.coin_count, 0)));
  for (TDaten* coin = document.first_coin; coin; coin = coin->next) order.push_back(coin);
  return order;
}

size_t RecordMemory(const TDaten& coin) {
  size_t bytes = sizeof(TDaten);
  for (const auto member : kTextMembers) bytes += TextHeap(coin.*member);
  for (const std::string& text : coin.z_desc) bytes += TextHeap(text);
  if (coin.description) bytes += sizeof(TText) + TextHeap(coin.description->text);
  return bytes;
}

OrderChange::~OrderChange() = default;

std::vector<OrderChange::Run> OrderChange::RunsOf(const std::vector<TDaten*>& target,
                                                  const std::vector<TDaten*>& source) {
  std::unordered_map<const TDaten*, int32_t> position;
  position.reserve(source.size());
  for (size_t i = 0; i < source.size(); ++i) position.emplace(source[i], static_cast<int32_t>(i));
  std::vector<Run> runs;
  for (const TDaten* coin : target) {
    const auto found = position.find(coin);
    const int32_t start = found == position.end() ? -1 : found->second;
    if (!runs.empty()) {
      Run& last = runs.back();
      const bool continues = start < 0 ? last.start < 0 : last.start >= 0 && start == last.start + last.length;
      if (continues) {
        ++last.length;
        continue;
      }
    }
    runs.push_back({start, 1});
  }
  return runs;
}

std::unique_ptr<OrderChange> OrderChange::Between(const std::vector<TDaten*>& before,
                                                  const std::vector<TDaten*>& after,
                                                  std::vector<std::unique_ptr<TDaten>>& removed) {
  const size_t shorter = std::min(before.size(), after.size());
  size_t head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  if (head == before.size() && head == after.size()) return nullptr;

  const std::vector<TDaten*> before_middle(before.begin() + head, before.end() - tail);
  const std::vector<TDaten*> after_middle(after.begin() + head, after.end() - tail);
  std::unique_ptr<OrderChange> change(new OrderChange);
  change->head_ = head;
  change->tail_ = tail;
  change->before_size_ = before.size();
  change->after_size_ = after.size();
  change->to_after_ = RunsOf(after_middle, before_middle);
  change->to_before_ = RunsOf(before_middle, after_middle);

  const std::unordered_set<const TDaten*> in_before(before_middle.begin(), before_middle.end());
  const std::unordered_set<const TDaten*> in_after(after_middle.begin(), after_middle.end());
  for (TDaten* coin : after_middle) {
    if (!in_before.count(coin)) change->added_.push_back(coin);
  }
  for (TDaten* coin : before_middle) {
    if (!in_after.count(coin)) change->removed_.push_back(coin);
  }
  const std::unordered_set<const TDaten*> leaving(change->removed_.begin(), change->removed_.end());
  for (auto& kept : removed) {
    if (kept && leaving.count(kept.get())) change->outside_.push_back(std::move(kept));
  }
  std::erase(removed, nullptr);
  if (change->outside_.size() != change->removed_.size()) {
    throw std::logic_error("a coin left the collection without being kept for the history");
  }
  return change;
}

void OrderChange::Apply(CollectionDocument& document, bool undo) {
  const std::vector<TDaten*> current = CollectionOrderOf(document);
  if (current.size() != (undo ? after_size_ : before_size_)) {
    throw std::logic_error("the collection order changed outside the history");
  }
  const std::vector<Run>& runs = undo ? to_before_ : to_after_;
  const std::vector<TDaten*>& entering = undo ? removed_ : added_;
  const std::vector<TDaten*>& leaving = undo ? added_ : removed_;

  std::vector<TDaten*> target;
  target.reserve(undo ? before_size_ : after_size_);
  target.insert(target.end(), current.begin(), current.begin() + head_);
  auto next_entering = entering.begin();
  for (const Run& run : runs) {
    if (run.start < 0) {
      target.insert(target.end(), next_entering, next_entering + run.length);
      next_entering += run.length;
    } else {
      const auto from = current.begin() + head_ + run.start;
      target.insert(target.end(), from, from + run.length);
    }
  }
  target.insert(target.end(), current.end() - tail_, current.end());

  for (auto& coin : outside_) (void)coin.release();  // the document owns the entering coins again
  outside_.clear();
  for (TDaten* coin : leaving) {
    coin->next = coin->prev = coin->display_next = coin->display_prev = nullptr;
    outside_.emplace_back(coin);
  }
  document.RelinkCollectionOrder(target);
  document.coin_count = static_cast<int32_t>(target.size());
}

size_t OrderChange::MemorySize() const {
  size_t bytes = sizeof(*this) + (to_after_.capacity() + to_before_.capacity()) * sizeof(Run) +
                 (added_.capacity() + removed_.capacity()) * sizeof(TDaten*) +
                 outside_.capacity() * sizeof(outside_[0]);
  for (const auto& coin : outside_) bytes += RecordMemory(*coin);
  return bytes;
}

}  // namespace korvex
