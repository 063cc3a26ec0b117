#include "online/recentprogramversion.h"

#include <nlohmann/json.hpp>
#include <utility>

#include "model/codepage.h"
#include "online/onlineerror.h"

namespace korvex {
namespace {

std::string Member(const nlohmann::json& answer, const char* name) {
  const auto found = answer.find(name);
  if (found == answer.end() || found->is_null()) return {};
  if (!found->is_string()) throw EOnlineService(std::string("Antwort: \"") + name + "\" ist kein Text");
  return Utf8ToWin1252(found->get_ref<const std::string&>());
}

}  // namespace

TRecentProgramVersion ParseRecentProgramVersion(std::string_view json) {
  nlohmann::json answer = nlohmann::json::parse(json.begin(), json.end(), nullptr, /*allow_exceptions=*/false);
  if (!answer.is_object()) throw EOnlineService("Antwort ist kein JSON-Objekt");
  TRecentProgramVersion version;
  version.Version = Member(answer, "Version");
  version.Date = Member(answer, "Date");
  version.Whatsnew = Member(answer, "Whatsnew");
  version.Beta_Version = Member(answer, "Beta-Version");
  version.Beta_Date = Member(answer, "Beta-Date");
  version.Beta_Whatsnew = Member(answer, "Beta-Whatsnew");
  return version;
}

}  // namespace korvex
