#include "mainwindow/valuechange.h"

#include "mainwindow/orderchange.h"

namespace korvex {

RecordValues::RecordValues(const std::vector<TDaten*>& coins) {
  records_.reserve(coins.size());
  for (TDaten* coin : coins) records_.emplace_back(coin, coin->Clone());
}

void RecordValues::Exchange() {
  for (auto& [coin, other] : records_) coin->SwapValues(*other);
}

size_t RecordValues::MemorySize() const {
  size_t bytes = sizeof(*this) + records_.capacity() * sizeof(records_[0]);
  for (const auto& record : records_) bytes += RecordMemory(*record.second);
  return bytes;
}

}  // namespace korvex
