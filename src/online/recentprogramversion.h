#pragma once

#include <string>
#include <string_view>

namespace korvex {

// The identifier of this application at the program-services web service.
inline constexpr const char* kServiceProgramId = "Korvexia";
// The running version, and the running version as the beta channel names it. The beta text is
// what the check sends in both channels.
inline constexpr const char* kRunningVersion = "3.1.3";
inline constexpr const char* kRunningBetaVersion = "3.1.3 BETA";

// The answer of `getRecentVersion`: the most recent release and beta release. Members are named
// after the members of the JSON answer ("Beta-Version" becomes `Beta_Version`); texts are
// Windows-1252 like all text of the program, a member the answer lacks is empty.
struct TRecentProgramVersion {
  std::string Version;
  std::string Date;
  std::string Whatsnew;
  std::string Beta_Version;
  std::string Beta_Date;
  std::string Beta_Whatsnew;

  bool operator==(const TRecentProgramVersion&) const = default;
};

// Reads the service's answer text (UTF-8 JSON). Throws EOnlineService when the text is no JSON
// object or one of the six members is there but is no string.
TRecentProgramVersion ParseRecentProgramVersion(std::string_view json);

}  // namespace korvex
