#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/onlineerror.h"
#include "online/recentprogramversion.h"
#include "online/updatecheck.h"

namespace korvex {
namespace {

constexpr const char* kFullAnswer =
    R"({"Version":"3.2.0","Date":"2026-11-02","Whatsnew":"https://example.invalid/neu.htm",)"
    R"("Beta-Version":"3.3.0 BETA","Beta-Date":"2026-12-01","Beta-Whatsnew":"https://example.invalid/beta.htm"})";

TEST(RecentProgramVersionTest, ReadsAllSixMembers) {
  const TRecentProgramVersion version = ParseRecentProgramVersion(kFullAnswer);
  EXPECT_EQ(version.Version, "3.2.0");
  EXPECT_EQ(version.Date, "2026-11-02");
  EXPECT_EQ(version.Whatsnew, "https://example.invalid/neu.htm");
  EXPECT_EQ(version.Beta_Version, "3.3.0 BETA");
  EXPECT_EQ(version.Beta_Date, "2026-12-01");
  EXPECT_EQ(version.Beta_Whatsnew, "https://example.invalid/beta.htm");
}

TEST(RecentProgramVersionTest, MissingMembersAreEmptyAndUnknownOnesIgnored) {
  const TRecentProgramVersion version =
      ParseRecentProgramVersion(R"({"Version":"3.1.3","Hinweis":"x","Beta-Date":null})");
  EXPECT_EQ(version.Version, "3.1.3");
  EXPECT_EQ(version.Beta_Version, "");
  EXPECT_EQ(version.Beta_Date, "");
  EXPECT_EQ(version.Whatsnew, "");
}

TEST(RecentProgramVersionTest, TextsBecomeWindows1252) {
  const TRecentProgramVersion version = ParseRecentProgramVersion("{\"Version\":\"3.2 M\xC3\xBCnze\"}");
  EXPECT_EQ(version.Version, "3.2 M\xFCnze");
}

TEST(RecentProgramVersionTest, AnswersThatAreNoObjectOrHoldNoTextsAreRefused) {
  for (const char* answer : {"", "kein JSON", "[\"3.1.3\"]", "\"3.1.3\"", "42", "{\"Version\":", "null"}) {
    EXPECT_THROW(ParseRecentProgramVersion(answer), EOnlineService) << answer;
  }
  EXPECT_THROW(ParseRecentProgramVersion(R"({"Version":313})"), EOnlineService);
  EXPECT_THROW(ParseRecentProgramVersion(R"({"Version":"3.1.3","Beta-Version":["x"]})"), EOnlineService);
}

// A service call that answers `answer` and records what it was asked and when.
struct FakeService {
  explicit FakeService(std::string text) : answer(std::move(text)) {}
  std::string answer;
  std::vector<std::string> events;
  RecentVersionCall Call() {
    return [this](const std::string& user, const std::string& password, const std::string& program,
                  const std::string& version) {
      events.push_back("call " + user + "|" + password + "|" + program + "|" + version);
      return answer;
    };
  }
  std::function<bool()> Channel(bool beta) {
    return [this, beta] {
      events.push_back("channel");
      return beta;
    };
  }
};

TEST(UpdateCheckTest, SameVersionIsUpToDate) {
  FakeService service(R"({"Version":"3.1.3","Beta-Version":"3.9 BETA"})");
  const UpdateCheckResult result = RunUpdateCheck(service.Call(), service.Channel(false), "", "");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kUpToDate);
  EXPECT_EQ(result.message, "Ihre Programmversion ist aktuell.");
  // The beta text goes out in both channels; the channel is asked once the answer is there.
  EXPECT_EQ(service.events, (std::vector<std::string>{"call |" "|Korvexia|3.1.3 BETA", "channel"}));
}

TEST(UpdateCheckTest, AnyOtherVersionTextIsOfferedAsNew) {
  for (const char* version : {"3.1.2", "3.2.0", "", "3.1.3 ", "3.1.3 BETA"}) {
    FakeService service(std::string(R"({"Version":")") + version + R"(","Whatsnew":"https://example.invalid/"})");
    const UpdateCheckResult result = RunUpdateCheck(service.Call(), service.Channel(false), "", "");
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kNewVersion) << version;
    EXPECT_EQ(result.answer.Version, version);
    EXPECT_EQ(OfferedVersion(result.answer, false), version);
    EXPECT_EQ(OfferedPage(result.answer, false), "https://example.invalid/");
  }
}

TEST(UpdateCheckTest, BetaChannelComparesOnlyTheBetaMembers) {
  FakeService same(R"({"Version":"9.9","Beta-Version":"3.1.3 BETA"})");
  EXPECT_EQ(RunUpdateCheck(same.Call(), same.Channel(true), "", "").kind, UpdateCheckResult::Kind::kUpToDate);

  FakeService newer(R"({"Version":"3.1.3","Beta-Version":"3.2 BETA","Beta-Whatsnew":"https://example.invalid/b"})");
  const UpdateCheckResult result = RunUpdateCheck(newer.Call(), newer.Channel(true), "", "");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kNewVersion);
  EXPECT_EQ(OfferedVersion(result.answer, true), "3.2 BETA");
  EXPECT_EQ(OfferedPage(result.answer, true), "https://example.invalid/b");

  // Without beta members the beta channel finds a new version with an empty version text.
  FakeService release_only(R"({"Version":"3.1.3"})");
  const UpdateCheckResult empty = RunUpdateCheck(release_only.Call(), release_only.Channel(true), "", "");
  EXPECT_EQ(empty.kind, UpdateCheckResult::Kind::kNewVersion);
  EXPECT_EQ(OfferedVersion(empty.answer, true), "");
}

TEST(UpdateCheckTest, FailuresGiveTheConnectionMessage) {
  const std::string message =
      "Konnte nicht mit dem Service verbinden. Bitte kontrollieren Sie Ihre Internet-Verbindung!";
  FakeService no_object("[1,2]");
  const UpdateCheckResult refused = RunUpdateCheck(no_object.Call(), no_object.Channel(false), "", "");
  EXPECT_EQ(refused.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(refused.message, message);
  EXPECT_EQ(refused.answer, TRecentProgramVersion{});
  EXPECT_EQ(no_object.events.size(), 1u) << "the channel is not asked after a failure";

  const RecentVersionCall faulty = [](const std::string&, const std::string&, const std::string&,
                                      const std::string&) -> std::string { throw ESoapFault("Server", "Wartung"); };
  const UpdateCheckResult fault = RunUpdateCheck(faulty, [] { return false; }, "", "");
  EXPECT_EQ(fault.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(fault.message, message);
  EXPECT_NE(fault.failure_reason.find("Wartung"), std::string::npos);
}

TEST(UpdateCheckTest, UserNameAndPasswordArePassedOn) {
  FakeService service(R"({"Version":"3.1.3"})");
  RunUpdateCheck(service.Call(), service.Channel(false), "sammler", "geheim");
  EXPECT_EQ(service.events.front(), "call sammler|geheim|Korvexia|3.1.3 BETA");
}

}  // namespace
}  // namespace korvex
