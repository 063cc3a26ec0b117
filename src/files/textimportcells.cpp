#include "files/textimportcells.h"

#include <cmath>

#include "model/datetime.h"
#include "model/numbertext.h"

namespace korvex {

std::string_view TrimImportCell(std::string_view cell) {
  return TrimWhere(cell, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool ReadImportNumber(std::string_view cell, double& value) {
  double parsed = 0;
  if (!ParseDouble(DecimalPointText(cell), parsed) || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

bool ReadImportInteger(std::string_view cell, long long& value) {
  const std::string text = DecimalPointText(cell);
  if (ParseInt64(text, value)) return true;
  double parsed = 0;
  // 2^63 is the first double beyond the 64-bit range.
  if (!ParseDouble(text, parsed) || !(std::fabs(parsed) < 9223372036854775808.0)) return false;
  value = static_cast<long long>(std::trunc(parsed));
  return true;
}

double ReadImportDate(std::string_view cell, const FormatSettings& settings, bool& failed) {
  if (cell.empty() || cell == "?" || cell == "-" || cell == "00.00.0000" ||
      cell == FormatDateOrZeros(kNoDate, settings.short_date_format)) {
    return kNoDate;
  }
  if (const std::optional<double> date = ParseDate(cell, settings)) return *date;
  failed = true;
  return kNoDate;
}

}  // namespace korvex
