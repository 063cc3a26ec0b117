#include "cli/importanswers.h"

#include <iostream>

#include "cli/arguments.h"
#include "cli/commandsupport.h"
#include "files/textimportelements.h"
#include "model/codepage.h"
#include "model/textcompare.h"

namespace korvex::cli {
namespace {

int ElementIndex(const std::string& element) {
  const std::vector<std::string>& names = TextImportElementNames();
  const std::string wanted = Utf8ToWin1252(element);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualAsciiUpper(names[i], wanted)) return static_cast<int>(i);
  }
  std::string known;
  for (const std::string& name : names) known += (known.empty() ? "" : ", ") + Win1252ToUtf8(name);
  throw UsageError("Unbekanntes Element „" + element + "“. Mögliche Elemente: " + known + ".");
}

}  // namespace

FixedColumnAnswer::FixedColumnAnswer(const std::string& element) : element_(ElementIndex(element)) {}

int FixedColumnAnswer::ChooseElement(const UnknownColumnRequest& request) {
  std::cerr << "Unbekannte Spalte „" << Win1252ToUtf8(request.column_name) << "“ wird als „"
            << Win1252ToUtf8(request.elements[element_]) << "“ übernommen.\n";
  return element_;
}

FixedAreaAnswer::FixedAreaAnswer(const std::string& option, int area_count) {
  if (option == "new") return;
  if (option == "single") {
    policy_ = Policy::kSingleArea;
    return;
  }
  int id = 0;
  try {
    id = ParseWholeNumber(option, "--unknown-area");
  } catch (const UsageError&) {
    throw UsageError("Option --unknown-area erwartet new, single oder die Nummer eines "
                     "Sammelgebiets statt „" + option + "“.");
  }
  if (id < 1 || id > area_count) {
    throw CommandError("Die Sammlung hat kein Sammelgebiet mit der Nummer " + option + ".");
  }
  policy_ = Policy::kGivenArea;
  area_id_ = id;
}

UnknownAreaAnswer FixedAreaAnswer::ChooseArea(const UnknownAreaRequest& request) {
  using Choice = UnknownAreaAnswer::Choice;
  switch (policy_) {
    case Policy::kGivenArea: return {Choice::kEntry, area_id_ - 1};
    case Policy::kSingleArea: return {Choice::kIgnoreAreas, -1};
    case Policy::kNewArea: break;
  }
  if (request.new_enabled) return {Choice::kNew, -1};
  // A coin without area name cannot give a new area its name; like the window's only way out,
  // it goes into "Münzen ohne Kategorie", and so do all later unknown names.
  std::cerr << "Münze „" << Win1252ToUtf8(request.motive)
            << "“ ohne Sammelgebiet: ab hier kommen alle unbekannten Sammelgebiete in „Münzen ohne "
               "Kategorie“.\n";
  return {Choice::kIgnoreAreas, -1};
}

}  // namespace korvex::cli
