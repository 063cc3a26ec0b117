#pragma once

namespace korvex {

class CollectionDocument;

// The coins of a legacy data file carry three catalogue numbers without saying which catalogue
// systems they belong to. After a successful read the reader offers the catalogue-number
// assignment ("Nummernkreise") for all collecting areas at once through this interface; the
// implementation shows the dialog and, on OK, moves the numbers and sets the slot kinds of every
// area. It is only called when the document holds at least one collecting area.
class LegacyNumberAssignment {
 public:
  virtual ~LegacyNumberAssignment() = default;
  virtual void OfferForAllAreas(CollectionDocument& document) = 0;
};

}  // namespace korvex
