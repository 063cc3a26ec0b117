#pragma once

#include <array>
#include <memory>
#include <string>

#include "mainwindow/templatematching.h"
#include "model/collectiondocument.h"
#include "model/tdaten.h"
#include "platform/messages.h"

namespace korvex {

// The message of a search that finds nothing, with the final full stop of the standard error box.
inline constexpr const char* kSearchNotFoundMessage = "Artikel nicht gefunden.";

// A search template as the entry dialog starts it: count 0 and no purchase date, so that neither
// is a criterion.
std::unique_ptr<TDaten> NewSearchTemplate();

// The area whose number slots a filter or search template uses: the shown area, or in the
// all-coins view (and before any view is shown) the area of the first coin of the collection
// order. Nothing when that area does not exist, e.g. in an empty collection.
const TKategorie* TemplateArea(const CollectionDocument& document);

// The captions of the template's number fields 1 to 3: the catalogue names ("Schön-Nr." ...,
// "Katalog-Nr." for the free catalogue) of the kinds in the template area's slots; empty without
// such an area. Windows-1252.
std::array<std::string, 3> TemplateNumberCaptions(const CollectionDocument& document);

// The area a search restricted to one area looks at, stored as the template's `category`: the
// area of the number captions above, so that the captions and the restriction agree; 1 when there
// is none.
int RestrictedSearchArea(const CollectionDocument& document);

// The last search: its template, its switches and where "Weitersuchen" resumes.
class CoinSearch {
 public:
  CoinSearch();

  // A new search: the template and switches the dialog returned.
  void Start(std::unique_ptr<TDaten> template_, const MatchSwitches& switches, bool all_areas);

  // Walks the collection order from `record` and returns the first coin that matches, skipping
  // other areas than the template's when the search is restricted. The continuation becomes the
  // record after the find. Without a find the continuation is cleared and the error
  // "Artikel nicht gefunden." is shown.
  TDaten* SearchFrom(TDaten* record, MessageService& messages);

  // "Weitersuchen": the search resumes at the continuation.
  TDaten* SearchOn(MessageService& messages) { return SearchFrom(continuation_, messages); }

  bool CanContinue() const { return continuation_ != nullptr; }
  TDaten* continuation() const { return continuation_; }

  // Must be called before a record leaves the document: a continuation naming it moves to the
  // record that follows it, so that "Weitersuchen" never resumes at a freed record.
  void RecordRemoving(const TDaten* record);
  // The document's records are all being replaced (new file, opening).
  void ForgetRecords() { continuation_ = nullptr; }

  const TDaten& Template() const { return *template_; }
  const MatchSwitches& switches() const { return switches_; }
  bool all_areas() const { return all_areas_; }

 private:
  std::unique_ptr<TDaten> template_;
  MatchSwitches switches_;
  bool all_areas_ = true;
  TDaten* continuation_ = nullptr;
};

}  // namespace korvex
