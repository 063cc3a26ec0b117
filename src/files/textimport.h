#pragma once

#include <functional>
#include <string>

#include "files/textimportquestions.h"
#include "model/collectiondocument.h"
#include "model/formatsettings.h"
#include "platform/messages.h"

namespace korvex {

// Text import: adds the coins of a separated text file with a header line to the open
// collection. Columns whose header names equal an element name (the export's column names,
// ignoring the case of a to z) are taken over at once; the user maps every other column and
// every unknown area name through the questions of textimportquestions.h.
//
// How the menu command "&Importieren..." uses it:
//   1. the open dialog "Importieren..." chooses the file;
//   2. ConfirmTextImport() asks whether the data may go into the current file;
//   3. ImportTextFile();
//   4. FinishTextImport(document, [&](CollectionDocument& d) { SortCollection(d, settings); }):
//      the collection order is sorted and CollectionDocument::RecomputeHighestItem() runs; then
//      the window aligns the areas when the options ask for it, rebuilds its area menu and
//      buttons and refills the grid.
// The import itself neither sorts nor recomputes `highest_item`: a caller that does not use
// FinishTextImport() must do both.

struct TextImportServices {
  MessageService& messages;
  UnknownColumnQuestion& columns;
  UnknownAreaQuestion& areas;
};

struct TextImportResult {
  int new_coins = 0;
  bool dates_failed = false;  // some dates did not convert; the message was shown
};

// "HINWEIS: Die Daten werden in die aktuelle Datei eingefügt. Soll fortgefahren werden?"
bool ConfirmTextImport(MessageService& messages);

// Reads the file and adds its coins after the last coin, in the reverse order of the file's
// lines, each with the defaults of a new coin for what the file does not give. Dates are read in
// the date format of `settings`. Read errors, failed dates and the questions go through
// `services`. Afterwards every coin of the collection with area id 0 gets an area as well.
// The collection order is not sorted here; see FinishTextImport().
TextImportResult ImportTextFile(const std::string& path, CollectionDocument& document,
                                const FormatSettings& settings, const TextImportServices& services);

// What follows every import: `sort_collection` re-sorts the collection order by the document's
// sort keys (the main window passes its collection sort), `highest_item` is recomputed, all
// areas are shown and the document is marked modified.
void FinishTextImport(CollectionDocument& document,
                      const std::function<void(CollectionDocument&)>& sort_collection);

}  // namespace korvex
