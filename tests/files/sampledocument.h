#pragma once

#include <memory>
#include <string>

#include "model/collectiondocument.h"
#include "platform/progress.h"

namespace korvex::test {

// A collection that uses every corner of the file format: three areas (every switch on, every
// switch off, a free catalogue), coins with umlauts, "€", CR LF notes, 64-bit mintages, negative
// and missing dates, extra-field descriptions and both picture forms.
std::unique_ptr<CollectionDocument> MakeSampleDocument();

// Field by field comparisons that report each differing member.
void ExpectSameArea(const TKategorie& expected, const TKategorie& actual);
void ExpectSameCoin(const TDaten& expected, const TDaten& actual);
void ExpectSameContent(const CollectionDocument& expected, const CollectionDocument& actual);

// Records what a reader or writer reports.
class RecordingProgress : public Progress {
 public:
  void ProgressBegin(const std::string& text) override { texts.push_back(text); }
  void ProgressTotal(int value) override { total = value; }
  void ProgressSet(int step) override { last_set = step; }
  void ProgressStep() override { ++steps; }

  std::vector<std::string> texts;
  int total = -1;
  int last_set = -1;
  int steps = 0;
};

}  // namespace korvex::test
