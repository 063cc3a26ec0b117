#include "online/gui/tonlineservicesthread.h"

#include "model/codepage.h"
#include "online/httpstransport.h"
#include "online/programservicesclient.h"
#include "online/updatecheck.h"
#include "platform/widetext.h"

namespace korvex {

TOnlineServicesThread::TOnlineServicesThread(ServiceConnection connection, QObject* parent)
    : QThread(parent), connection_(std::move(connection)) {}

void TOnlineServicesThread::run() {
  if (ServiceKind != kUpdateCheck) return;
  const HttpsTransport transport(connection_.transport, &stop_);
  const ProgramServicesClient client(connection_.address, transport);
  const RecentVersionCall call = [&client](const std::string& user, const std::string& password,
                                           const std::string& program, const std::string& version) {
    return client.GetRecentVersion(user, password, program, version);
  };
  const auto beta_channel = [this] {
    bool beta = false;
    if (!stop_) emit ChannelWanted(&beta);
    return beta;
  };
  const UpdateCheckResult result = RunUpdateCheck(call, beta_channel, UserName, Password);
  Message = result.message;
  Answer = result.answer;
  if (stop_) return;
  const QString message = FromWin1252(Message);
  switch (result.kind) {
    case UpdateCheckResult::Kind::kNewVersion: emit NewVersionFound(Answer); break;
    case UpdateCheckResult::Kind::kUpToDate: emit UpToDate(message); break;
    case UpdateCheckResult::Kind::kFailure: emit Failed(message); break;
  }
}

}  // namespace korvex
