#include "cli/formatoptions.h"

#include "dialogs/dateformat.h"
#include "model/codepage.h"

namespace korvex::cli {

FormatSettings FormatSettingsOf(const Arguments& arguments) {
  FormatSettings settings;
  const std::optional<std::string> locale = arguments.Value("--locale");
  if (!locale) settings = SystemFormatSettings();
  else if (*locale == "de") settings = FormatSettings::German();
  else if (*locale == "en") settings = FormatSettings::English();
  else throw UsageError("Option --locale erwartet de oder en statt „" + *locale + "“.");

  if (const std::optional<std::string> format = arguments.Value("--date-format")) {
    if (!HasDayMonthAndYear(*format)) {
      throw UsageError("Das Datumsformat „" + *format + "“ braucht Tag (d), Monat (m) und Jahr (y).");
    }
    ApplyDateFormat(settings, Utf8ToWin1252(*format));
  }
  return settings;
}

}  // namespace korvex::cli
