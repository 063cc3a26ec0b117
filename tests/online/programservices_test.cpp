// The client against a real SOAP service (Python's spyne) on 127.0.0.1 behind TLS, and through a
// real HTTP proxy (tinyproxy). Nothing here leaves the local machine.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "common/tempdir.h"
#include "online/httpstransport.h"
#include "online/loopbackservers.h"
#include "online/onlineerror.h"
#include "online/programservicesclient.h"
#include "online/updatecheck.h"

namespace korvex {
namespace {

using test::Certificate;
using test::LoopbackService;

class ProgramServicesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempDir();
    certificate_ = new Certificate(test::MakeCertificate(folder_->path(), "dienst", "IP:127.0.0.1"));
    service_ = new LoopbackService(folder_->path() / "dienst", *certificate_);
  }
  static void TearDownTestSuite() {
    delete service_;
    delete certificate_;
    delete folder_;
  }

  static TransportSettings Trusting(const Certificate& certificate) {
    TransportSettings settings;
    settings.ca_file = certificate.certificate.string();
    settings.connect_timeout_ms = 5000;
    settings.total_timeout_ms = 10000;
    return settings;
  }

  // One check against `address` with `settings`, as the worker runs it.
  static UpdateCheckResult Check(const std::string& address, const TransportSettings& settings, bool beta = false) {
    const HttpsTransport transport(settings);
    const ProgramServicesClient client(address, transport);
    const RecentVersionCall call = [&](const std::string& user, const std::string& password,
                                       const std::string& program, const std::string& version) {
      return client.GetRecentVersion(user, password, program, version);
    };
    return RunUpdateCheck(call, [beta] { return beta; }, "", "");
  }

  static UpdateCheckResult CheckLoopback(const std::string& answer, bool beta = false) {
    service_->SetAnswer(answer);
    return Check(service_->Address(), Trusting(*certificate_), beta);
  }

  static inline test::TempDir* folder_ = nullptr;
  static inline Certificate* certificate_ = nullptr;
  static inline LoopbackService* service_ = nullptr;
};

TEST_F(ProgramServicesTest, SameVersionIsUpToDateAndTheCallCarriesTheFourTexts) {
  const size_t before = service_->Calls().size();
  const UpdateCheckResult result = CheckLoopback(R"({"Version":"3.1.3","Date":"2026-01-01"})");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kUpToDate) << result.failure_reason;
  EXPECT_EQ(result.message, "Ihre Programmversion ist aktuell.");
  EXPECT_EQ(result.answer.Date, "2026-01-01");
  const std::vector<std::string> calls = service_->Calls();
  ASSERT_EQ(calls.size(), before + 1);
  // The SOAP action is the one the service description names.
  EXPECT_EQ(calls.back(), R"({"username": "", "password": "", "Programm": "Korvexia", "version": "3.1.3 BETA", )"
                          R"("soapaction": "\"getRecentVersion\""})");
}

TEST_F(ProgramServicesTest, OlderVersionTextIsReportedAsNew) {
  const UpdateCheckResult result =
      CheckLoopback(R"({"Version":"3.0.9","Whatsnew":"https://example.invalid/3.0.9.htm"})");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kNewVersion) << result.failure_reason;
  EXPECT_EQ(result.answer.Version, "3.0.9");
  EXPECT_EQ(result.answer.Whatsnew, "https://example.invalid/3.0.9.htm");
}

TEST_F(ProgramServicesTest, BetaChannelWithAndWithoutBetaMembers) {
  const UpdateCheckResult same = CheckLoopback(R"({"Version":"4.0","Beta-Version":"3.1.3 BETA"})", true);
  EXPECT_EQ(same.kind, UpdateCheckResult::Kind::kUpToDate) << same.failure_reason;
  const UpdateCheckResult newer = CheckLoopback(R"({"Version":"3.1.3","Beta-Version":"3.1.4 BETA"})", true);
  EXPECT_EQ(newer.kind, UpdateCheckResult::Kind::kNewVersion);
  EXPECT_EQ(newer.answer.Beta_Version, "3.1.4 BETA");
  const UpdateCheckResult none = CheckLoopback(R"({"Version":"3.1.3"})", true);
  EXPECT_EQ(none.kind, UpdateCheckResult::Kind::kNewVersion);
  EXPECT_EQ(none.answer.Beta_Version, "");
}

TEST_F(ProgramServicesTest, AnswerThatIsNoJsonObjectIsAFailure) {
  const UpdateCheckResult result = CheckLoopback("Version 3.1.3");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(result.message,
            "Konnte nicht mit dem Service verbinden. Bitte kontrollieren Sie Ihre Internet-Verbindung!");
}

TEST_F(ProgramServicesTest, SoapFaultReachesTheCallerAsFault) {
  service_->SetAnswer("FAULT:Wartungsarbeiten");
  const HttpsTransport transport(Trusting(*certificate_));
  const ProgramServicesClient client(service_->Address(), transport);
  try {
    client.GetRecentVersion("", "", "Korvexia", "3.1.3 BETA");
    FAIL() << "a fault must throw";
  } catch (const ESoapFault& fault) {
    EXPECT_NE(fault.text().find("Wartungsarbeiten"), std::string::npos);
  }
  EXPECT_EQ(CheckLoopback("FAULT:Wartungsarbeiten").kind, UpdateCheckResult::Kind::kFailure);
}

TEST_F(ProgramServicesTest, ServerThatNeverAnswersEndsInTheTimeout) {
  test::SilentServer silent;
  TransportSettings settings = Trusting(*certificate_);
  settings.total_timeout_ms = 1500;
  const HttpsTransport transport(settings);
  try {
    transport.Get("https://127.0.0.1:" + std::to_string(silent.port()) + "/webservices/programmservices?wsdl");
    FAIL() << "a silent server must end in the timeout";
  } catch (const EOnlineService& error) {
    EXPECT_NE(std::string(error.what()).find("Zeitlimit erreicht"), std::string::npos) << error.what();
  }
  // A service that takes longer than the whole request may last ends the same way.
  service_->SetAnswer(R"(SLEEP:5:{"Version":"3.1.3"})");
  const UpdateCheckResult late = Check(service_->Address(), settings);
  EXPECT_EQ(late.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_NE(late.failure_reason.find("Zeitlimit erreicht"), std::string::npos) << late.failure_reason;
}

TEST_F(ProgramServicesTest, CertificateForAnotherHostIsRefused) {
  const Certificate other = test::MakeCertificate(folder_->path(), "anderer", "DNS:anderer-host.example");
  const LoopbackService wrong_host(folder_->path() / "anderer", other);
  wrong_host.SetAnswer(R"({"Version":"3.1.3"})");
  const UpdateCheckResult result = Check(wrong_host.Address(), Trusting(other));
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_NE(result.failure_reason.find("127.0.0.1"), std::string::npos) << result.failure_reason;
  EXPECT_TRUE(wrong_host.Calls().empty()) << "nothing may be sent to a host that is not the one asked for";
}

TEST_F(ProgramServicesTest, SelfSignedCertificateIsRefusedByTheSystemStore) {
  TransportSettings system_store = Trusting(*certificate_);
  system_store.ca_file.clear();
  service_->SetAnswer(R"({"Version":"3.1.3"})");
  const size_t before = service_->Calls().size();
  EXPECT_EQ(Check(service_->Address(), system_store).kind, UpdateCheckResult::Kind::kFailure);
  // Trusting another certificate than the server's does not help either.
  const Certificate stranger = test::MakeCertificate(folder_->path(), "fremd", "IP:127.0.0.1");
  EXPECT_EQ(Check(service_->Address(), Trusting(stranger)).kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(service_->Calls().size(), before);
}

TEST_F(ProgramServicesTest, RefusedConnectionIsAFailure) {
  const uint16_t closed = test::FreeLoopbackPort();
  const UpdateCheckResult result =
      Check("https://127.0.0.1:" + std::to_string(closed) + "/webservices/programmservices", Trusting(*certificate_));
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_NE(result.failure_reason.find("onnect"), std::string::npos) << result.failure_reason;
}

TEST_F(ProgramServicesTest, PlainHttpIsNotSpoken) {
  const UpdateCheckResult result =
      Check("http://127.0.0.1:" + std::to_string(service_->port()) + "/webservices/programmservices",
            Trusting(*certificate_));
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kFailure);
}

TEST_F(ProgramServicesTest, AbortEndsARunningRequestEarly) {
  test::SilentServer silent;
  TransportSettings settings = Trusting(*certificate_);
  settings.total_timeout_ms = 60000;
  std::atomic<bool> abort{true};
  const HttpsTransport transport(settings, &abort);
  try {
    transport.Get("https://127.0.0.1:" + std::to_string(silent.port()) + "/");
    FAIL() << "an aborted request must throw";
  } catch (const EOnlineService& error) {
    EXPECT_NE(std::string(error.what()).find("aborted"), std::string::npos) << error.what();
  }
}

class ProxyTest : public ProgramServicesTest {
 protected:
  static void SetUpTestSuite() {
    ProgramServicesTest::SetUpTestSuite();
    proxy_ = new test::LoopbackProxy(folder_->path() / "proxy", "sammler", "muenze42");
  }
  static void TearDownTestSuite() {
    delete proxy_;
    ProgramServicesTest::TearDownTestSuite();
  }
  static TransportSettings ThroughProxy(const std::string& user, const std::string& password) {
    TransportSettings settings = Trusting(*certificate_);
    settings.proxy = {"127.0.0.1", std::to_string(proxy_->port()), user, password};
    return settings;
  }
  static size_t Tunnels() {
    const std::string log = proxy_->Log();
    size_t count = 0;
    for (size_t at = log.find("Established connection"); at != std::string::npos;
         at = log.find("Established connection", at + 1)) {
      ++count;
    }
    return count;
  }
  static inline test::LoopbackProxy* proxy_ = nullptr;
};

TEST_F(ProxyTest, CheckGoesThroughTheProxyWithUserAndPassword) {
  service_->SetAnswer(R"({"Version":"3.1.3"})");
  const size_t before = Tunnels();
  const UpdateCheckResult result = Check(service_->Address(), ThroughProxy("sammler", "muenze42"));
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kUpToDate) << result.failure_reason << "\n" << proxy_->Log();
  // The description and the call each went through a tunnel of the proxy.
  EXPECT_EQ(Tunnels(), before + 2);
}

TEST_F(ProxyTest, WrongOrMissingProxyCredentialsAreRefused) {
  service_->SetAnswer(R"({"Version":"3.1.3"})");
  const size_t before = service_->Calls().size();
  EXPECT_EQ(Check(service_->Address(), ThroughProxy("sammler", "falsch")).kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(Check(service_->Address(), ThroughProxy("", "")).kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(service_->Calls().size(), before);
}

TEST_F(ProxyTest, ProxyThatIsNotThereIsAFailureAndNoDirectFallback) {
  service_->SetAnswer(R"({"Version":"3.1.3"})");
  TransportSettings settings = ThroughProxy("sammler", "muenze42");
  settings.proxy.port = std::to_string(test::FreeLoopbackPort());
  const size_t before = service_->Calls().size();
  EXPECT_EQ(Check(service_->Address(), settings).kind, UpdateCheckResult::Kind::kFailure);
  EXPECT_EQ(service_->Calls().size(), before);
}

TEST_F(ProxyTest, EmptyProxyServerConnectsDirectlyEvenWithAProxyInTheEnvironment) {
  service_->SetAnswer(R"({"Version":"3.1.3"})");
  const size_t before = Tunnels();
  // A proxy named by the environment must not be taken when the settings say "direct".
  setenv("https_proxy", ("http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort())).c_str(), 1);
  const UpdateCheckResult result = Check(service_->Address(), Trusting(*certificate_));
  unsetenv("https_proxy");
  EXPECT_EQ(result.kind, UpdateCheckResult::Kind::kUpToDate) << result.failure_reason;
  EXPECT_EQ(Tunnels(), before);
}

}  // namespace
}  // namespace korvex
