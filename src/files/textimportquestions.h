#pragma once

#include <string>
#include <vector>

namespace korvex {

// The two questions of the text import. The dialogs "Unbekanntes Element" (`TErsatzfenster`) and
// "Unbekannte Kategorie" (`TKategoriefenster`) implement them; neither can be closed without an
// answer. All texts here are Windows-1252.

// A header name that matches no element name.
struct UnknownColumnRequest {
  const std::string& column_name;            // shown in bold (`Unbekannt`)
  const std::vector<std::string>& elements;  // the list `ListBox1`, see TextImportElementNames()
  // The element chosen for the previous unknown column of this import, preselected in the list;
  // -1 when nothing is selected yet (then `Ok` stays disabled until a click on the list).
  int selected;
};

class UnknownColumnQuestion {
 public:
  virtual ~UnknownColumnQuestion() = default;
  // The position in `elements` of the element the column is to fill.
  virtual int ChooseElement(const UnknownColumnRequest& request) = 0;
};

// A coin whose area name is empty or matches no entry of the area list.
struct UnknownAreaRequest {
  const std::string& motive;     // the coin's obverse motive (`Kurzbeschreibung`, bold)
  const std::string& area_name;  // the dialog shows "Unbekannt: " followed by it (`Kat`)
  // The list `ListBox1`: entry n stands for the area with id n + 1. It starts with the area
  // names and grows with every area the import creates; an entry chosen for a name shows that
  // name from then on.
  const std::vector<std::string>& entries;
  bool new_enabled;  // `Neu` ("Neue Kategorie") is offered only for a name
};

struct UnknownAreaAnswer {
  enum class Choice {
    kEntry,        // `Ok` with a list entry selected
    kNew,          // `Neu`: a new area named like the coin's area name
    kIgnoreAreas,  // closed with "Kategorien ignorieren (alles in eine Kategorie)" checked
  };
  Choice choice = Choice::kIgnoreAreas;
  int entry = -1;  // kEntry: the position of the selected entry
};

class UnknownAreaQuestion {
 public:
  virtual ~UnknownAreaQuestion() = default;
  virtual UnknownAreaAnswer ChooseArea(const UnknownAreaRequest& request) = 0;
};

}  // namespace korvex
