#pragma once

#include <string>
#include <vector>

#include "files/textimportquestions.h"
#include "model/collectiondocument.h"

namespace korvex {

// Finds the collecting area for the area names of an import file, asking the user through
// UnknownAreaQuestion for names the collection does not know. It keeps the state of the dialog
// over one import: the list of entries (entry n stands for area n + 1), whether `Neu` is offered
// and whether "Kategorien ignorieren" has been checked. Areas it creates are appended to the
// document with the id of their position.
class TextImportAreaMapping {
 public:
  TextImportAreaMapping(CollectionDocument& document, UnknownAreaQuestion& question);

  // The id of the area for a coin with area name `name` (Windows-1252) and obverse motive
  // `motive`. The name is compared with the entries ignoring the case of the letters a to z; an
  // empty name matches nothing.
  int AreaFor(const std::string& name, const std::string& motive);

 private:
  int AskUser(const std::string& name, const std::string& motive);
  int AppendArea(const std::string& name, const std::string& short_label);

  CollectionDocument& document_;
  UnknownAreaQuestion& question_;
  std::vector<std::string> entries_;
  bool new_enabled_ = false;
  bool ignore_areas_ = false;
};

}  // namespace korvex
