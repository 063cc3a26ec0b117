#include "cli/viewoptions.h"

#include <string>

#include "cli/commandsupport.h"

namespace korvex::cli {

std::optional<int> RequestedView(const Arguments& arguments) {
  const std::optional<std::string> area = arguments.Value("--area");
  if (!area) return std::nullopt;
  if (*area == "all") return kAllCoinsView;
  return ParseWholeNumber(*area, "--area");
}

int ViewOf(std::optional<int> requested, const CollectionDocument& document) {
  if (!requested) return document.Area(document.current_view) ? document.current_view : kAllCoinsView;
  if (*requested != kAllCoinsView && !document.Area(*requested)) {
    throw CommandError("Die Sammlung hat kein Sammelgebiet mit der Nummer " +
                       std::to_string(*requested) + ".");
  }
  return *requested;
}

void ApplyFilter(const Arguments& arguments, CoinFilter& filter) {
  const std::optional<std::string> kind = arguments.Value("--filter");
  if (!kind) return;
  if (*kind == "missing") filter.SetCountFilter(FilterKind::kMissing);
  else if (*kind == "stock") filter.SetCountFilter(FilterKind::kStock);
  else if (*kind == "duplicates") filter.SetCountFilter(FilterKind::kDuplicates);
  else throw UsageError("Option --filter erwartet missing, stock oder duplicates statt „" + *kind + "“.");
}

}  // namespace korvex::cli
