#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "platform/messages.h"

namespace korvex {

// Text export: a header line with the 47 column names of textexportcolumns.h and one line per
// coin, the values separated by a tab, a comma or a semicolon, without quoting. The file is
// Windows-1252 with CR LF line ends. So that every line keeps its 47 values, each value loses the
// separator (a tab becomes a blank, a semicolon a comma, a comma a full stop) and its line breaks
// (each CR and LF becomes a blank).

enum class TextExportScope {
  kAllCoins,    // "Alle Daten..."
  kShownArea,   // "Angezeigte Kategorie...": the coins of the area on display, whatever the filter
  kMarkedCoin,  // "Markierter Artikel...": the coin of the current grid row, if any
};

struct TextExportRequest {
  TextExportScope scope = TextExportScope::kAllCoins;
  int shown_area = 0;                   // kShownArea: the id of the area on display
  const TDaten* marked_coin = nullptr;  // kMarkedCoin: none writes the header line only
  char separator = '\t';
};

enum class TextExportOutcome {
  kWritten,
  kDeclined,     // the document has a password and the user did not want plain text
  kWriteFailed,  // the file could not be created or written; the message was shown
};

// The file types of the save dialog "DialogExportieren" in their order (UTF-8), and the separator
// of the type at a 0-based position: tab, comma, semicolon, semicolon.
const std::vector<std::string>& TextExportFileTypes();
char TextExportSeparatorOfFileType(int index);

// Where the save dialog starts: the folder "shared" of the program folder.
std::filesystem::path TextExportStartFolder();

// The header line and the line of one coin, each without line end.
std::string TextExportHeaderLine(char separator);
void AppendTextExportLine(const CollectionDocument& document, const TDaten& coin, char separator,
                          const FormatSettings& settings, std::string& out);

// Writes the coins of the request in collection order to `path` (Windows-1252), replacing an
// existing file. When the document has a password the user is asked first whether the data may
// be written unencrypted. Numbers and dates follow `settings`; the no-date value is written as
// zeros in the date format ("00.00.0000").
TextExportOutcome ExportTextFile(const std::string& path, const CollectionDocument& document,
                                 const TextExportRequest& request, const FormatSettings& settings,
                                 MessageService& messages);

}  // namespace korvex
