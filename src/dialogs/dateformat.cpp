#include "dialogs/dateformat.h"

#include <QLocale>
#include <QString>

#include <cctype>

#include "model/codepage.h"
#include "model/datetime.h"
#include "model/numbertext.h"
#include "platform/widetext.h"

namespace korvex {
namespace {

// Qt encloses literal text of a format in quotes; the date formatter knows no quoting, so the
// literals are left out.
std::string WithoutQuotedText(const QString& format) {
  QString plain;
  bool quoted = false;
  for (QChar c : format) {
    if (c == u'\'') quoted = !quoted;
    else if (!quoted) plain += c;
  }
  return ToWin1252(plain.trimmed());
}

// A separator or symbol as Windows-1252; the blanks that some locales group digits with become the
// no-break space, and a character Windows-1252 lacks gives `fallback`.
std::string LocaleText(const QString& separator, const std::string& fallback) {
  if (separator.isEmpty()) return fallback;
  if (separator == QString(QChar(0x202F)) || separator == QString(QChar(0x2009)) ||
      separator == QString(QChar(0x00A0))) {
    return "\xA0";
  }
  const std::string text = ToWin1252(separator);
  return text.find('?') != std::string::npos && !separator.contains(u'?') ? fallback : text;
}

char TimeSeparatorOf(const QString& time_format, char fallback) {
  const qsizetype hours = time_format.indexOf(u'h', 0, Qt::CaseInsensitive);
  if (hours < 0) return fallback;
  for (qsizetype i = hours; i < time_format.size(); ++i) {
    const QChar c = time_format[i];
    if (!c.isLetter() && c.unicode() < 0x80) return static_cast<char>(c.unicode());
  }
  return fallback;
}

}  // namespace

bool HasDayMonthAndYear(std::string_view format) {
  bool day = false, month = false, year = false;
  for (char c : format) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    day = day || letter == 'd';
    month = month || letter == 'm';
    year = year || letter == 'y';
  }
  return day && month && year;
}

std::string WithFourDigitYear(std::string_view format) {
  std::string result(format);
  const std::size_t place = result.find("yy");
  if (place != std::string::npos && result.compare(place, 4, "yyyy") != 0) {
    result.insert(place, "yy");
  }
  return result;
}

char DateSeparatorOf(std::string_view format, char fallback) {
  const std::string sample = FormatDate(*DayNumber(1899, 12, 31), format);
  for (auto it = sample.rbegin(); it != sample.rend(); ++it) {
    if (!std::isdigit(static_cast<unsigned char>(*it))) return *it;
  }
  return fallback;
}

std::string DateFormatInUse(const ProgramSettings& settings, std::string_view system_short_format) {
  const std::string_view chosen = TrimBlanks(settings.DatumFormat);
  if (!settings.DatumAuto && !chosen.empty() && HasDayMonthAndYear(chosen)) {
    return std::string(chosen);
  }
  return WithFourDigitYear(system_short_format);
}

void ApplyDateFormat(FormatSettings& settings, std::string_view format) {
  settings.short_date_format = std::string(format);
  settings.date_separator = DateSeparatorOf(format, settings.date_separator);
}

FormatSettings FormatSettingsFromLocale(const QLocale& locale) {
  const FormatSettings german = FormatSettings::German();
  FormatSettings settings;
  settings.thousands_separator = LocaleText(locale.groupSeparator(), german.thousands_separator);
  settings.decimal_separator = LocaleText(locale.decimalPoint(), german.decimal_separator);
  settings.currency_symbol =
      LocaleText(locale.currencySymbol(QLocale::CurrencySymbol), german.currency_symbol);
  const std::string date_format = WithoutQuotedText(locale.dateFormat(QLocale::ShortFormat));
  if (HasDayMonthAndYear(date_format)) ApplyDateFormat(settings, WithFourDigitYear(date_format));
  settings.time_separator = TimeSeparatorOf(locale.timeFormat(QLocale::ShortFormat), ':');
  return settings;
}

QLocale ConventionsLocale(const QLocale& system) {
  if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Germany);
  return system;
}

FormatSettings SystemFormatSettings() {
  return FormatSettingsFromLocale(ConventionsLocale(QLocale::system()));
}

FormatSettings FormatSettingsInUse(const ProgramSettings& settings) {
  FormatSettings in_use = SystemFormatSettings();
  ApplyDateFormat(in_use, DateFormatInUse(settings, in_use.short_date_format));
  return in_use;
}

}  // namespace korvex
