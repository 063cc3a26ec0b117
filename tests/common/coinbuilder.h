#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/collectiondocument.h"
#include "model/tdaten.h"

namespace korvex::test {

// Builds documents for the view tests: areas by name and coins appended in collection order.
// Texts given here are UTF-8 and stored as Windows-1252, as the file readers would.
class DocumentBuilder {
 public:
  DocumentBuilder();

  CollectionDocument& document() { return document_; }

  // Adds an area and returns its id.
  int AddArea(const std::string& name);
  TKategorie& Area(int id) { return *document_.Area(id); }

  // Appends a coin of area `area` after the last one; `fill` sets its fields.
  TDaten* AddCoin(int area, const std::function<void(TDaten&)>& fill = {});

 private:
  CollectionDocument document_;
};

// The Windows-1252 form of a UTF-8 text.
std::string W(const std::string& utf8);

// The coins in collection order, and in display order.
std::vector<TDaten*> CollectionOrder(const CollectionDocument& document);
std::vector<TDaten*> DisplayOrder(const CollectionDocument& document);

// One text field of every coin in collection order, as UTF-8.
std::vector<std::string> FieldTexts(const CollectionDocument& document, int field_type);

}  // namespace korvex::test
