#include "online/updatecheck.h"

#include <exception>

namespace korvex {

UpdateCheckResult RunUpdateCheck(const RecentVersionCall& call, const std::function<bool()>& beta_channel,
                                 const std::string& username, const std::string& password) {
  UpdateCheckResult result;
  try {
    result.answer = ParseRecentProgramVersion(call(username, password, kServiceProgramId, kRunningBetaVersion));
    result.message = kUpToDateMessage;
    const bool beta = beta_channel();
    const std::string running = beta ? kRunningBetaVersion : kRunningVersion;
    result.kind = running == OfferedVersion(result.answer, beta) ? UpdateCheckResult::Kind::kUpToDate
                                                                 : UpdateCheckResult::Kind::kNewVersion;
  } catch (const std::exception& error) {
    result.kind = UpdateCheckResult::Kind::kFailure;
    result.message = kNoConnectionMessage;
    result.failure_reason = error.what();
  }
  return result;
}

const std::string& OfferedVersion(const TRecentProgramVersion& answer, bool beta_channel) {
  return beta_channel ? answer.Beta_Version : answer.Version;
}

const std::string& OfferedPage(const TRecentProgramVersion& answer, bool beta_channel) {
  return beta_channel ? answer.Beta_Whatsnew : answer.Whatsnew;
}

}  // namespace korvex
