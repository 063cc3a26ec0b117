#pragma once

#include <optional>

#include "cli/arguments.h"
#include "mainwindow/coinfilter.h"
#include "model/collectiondocument.h"

namespace korvex::cli {

// The view `--area ID|all` asks for, read before the file: all coins, an area id, or nothing for
// the file's own view.
std::optional<int> RequestedView(const Arguments& arguments);

// The view to show: the requested one, which must exist (CommandError otherwise), or the file's
// own view when it names an area that exists, else all coins.
int ViewOf(std::optional<int> requested, const CollectionDocument& document);

// `--filter missing|stock|duplicates` into `filter`; UsageError for other values.
void ApplyFilter(const Arguments& arguments, CoinFilter& filter);

}  // namespace korvex::cli
