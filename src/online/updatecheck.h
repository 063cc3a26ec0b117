#pragma once

#include <functional>
#include <string>

#include "online/recentprogramversion.h"

namespace korvex {

inline constexpr const char* kUpToDateMessage = "Ihre Programmversion ist aktuell.";
inline constexpr const char* kNoConnectionMessage =
    "Konnte nicht mit dem Service verbinden. Bitte kontrollieren Sie Ihre Internet-Verbindung!";

// What one update check found.
struct UpdateCheckResult {
  enum class Kind { kNewVersion, kUpToDate, kFailure };
  Kind kind = Kind::kFailure;
  // kUpToDateMessage or kNoConnectionMessage.
  std::string message;
  TRecentProgramVersion answer;
  // Why the check failed (not shown to the user).
  std::string failure_reason;
};

// The four texts of `getRecentVersion`; answers its one text result or throws (EOnlineService or
// any other std::exception).
using RecentVersionCall = std::function<std::string(const std::string& username, const std::string& password,
                                                    const std::string& program, const std::string& version)>;

// The work of one check: asks the service, reads its answer and compares it with the running
// version. `beta_channel` is asked at the moment of comparison whether the beta channel is chosen:
// then "3.1.3 BETA" is compared with Beta-Version, otherwise "3.1.3" with Version. Texts that
// differ in any way (an older or an empty version too) mean a new version. Every failure of the
// call or of the answer gives kFailure with kNoConnectionMessage.
UpdateCheckResult RunUpdateCheck(const RecentVersionCall& call, const std::function<bool()>& beta_channel,
                                 const std::string& username, const std::string& password);

// The version and the page address the new-version question offers in the chosen channel.
const std::string& OfferedVersion(const TRecentProgramVersion& answer, bool beta_channel);
const std::string& OfferedPage(const TRecentProgramVersion& answer, bool beta_channel);

}  // namespace korvex
