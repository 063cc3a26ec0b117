#include <gtest/gtest.h>

#include <cstdlib>

#include "common/tempdir.h"
#include "online/serviceconnection.h"
#include "online/weblinks.h"
#include "platform/settingsstore.h"

namespace korvex {
namespace {

class ServiceConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv(kServiceAddressVariable);
    unsetenv(kServiceCaVariable);
  }
  void TearDown() override { SetUp(); }
  test::TempDir dir_;
  SettingsStore store_{dir_ / "einstellungen.conf"};
};

TEST_F(ServiceConnectionTest, AddressComesFromVariableThenStoreThenDefault) {
  ProgramSettings settings;
  EXPECT_EQ(ServiceConnectionFor(settings, store_).address, "https://www.promarbel.de/webservices/programmservices");
  SettingsKey(store_).WriteString("Online_Service_Address", "https://dienste.example/webservices/programmservices");
  EXPECT_EQ(ServiceConnectionFor(settings, store_).address, "https://dienste.example/webservices/programmservices");
  setenv("KORVEX_SERVICE_ADDRESS", "https://127.0.0.1:4443/webservices/programmservices", 1);
  setenv("KORVEX_SERVICE_CA", "/tmp/test.crt", 1);
  const ServiceConnection overridden = ServiceConnectionFor(settings, store_);
  EXPECT_EQ(overridden.address, "https://127.0.0.1:4443/webservices/programmservices");
  EXPECT_EQ(overridden.transport.ca_file, "/tmp/test.crt");
}

TEST_F(ServiceConnectionTest, EmptyStoredAddressTakesTheDefaultAndNoCaMeansTheSystemStore) {
  SettingsKey(store_).WriteString("Online_Service_Address", "");
  const ServiceConnection connection = ServiceConnectionFor(ProgramSettings{}, store_);
  EXPECT_EQ(connection.address, kDefaultServiceAddress);
  EXPECT_EQ(connection.transport.ca_file, "");
  EXPECT_EQ(connection.transport.proxy.Address(), "");
}

TEST_F(ServiceConnectionTest, ProxyValuesOfTheSettingsAreUsedAsUtf8) {
  ProgramSettings settings;
  settings.Online_Proxy = "proxy.example";
  settings.Online_Proxy_Port = "3128";
  settings.Online_Proxy_Username = "sammler";
  settings.Online_Proxy_Password = "M\xFCnze";
  const ServiceConnection connection = ServiceConnectionFor(settings, store_);
  EXPECT_EQ(connection.transport.proxy.Address(), "proxy.example:3128");
  EXPECT_EQ(connection.transport.proxy.user, "sammler");
  EXPECT_EQ(connection.transport.proxy.password, "M\xC3\xBCnze");
  settings.Online_Proxy_Port.clear();
  EXPECT_EQ(ServiceConnectionFor(settings, store_).transport.proxy.Address(), "proxy.example");
}

TEST(WebLinksTest, FaqFollowsTheAddressWithOneSlash) {
  EXPECT_EQ(FaqAddress("https://www.example.invalid"), "https://www.example.invalid/faq_korvex.htm");
  EXPECT_EQ(FaqAddress("https://www.example.invalid/korvex/"), "https://www.example.invalid/korvex/faq_korvex.htm");
  EXPECT_EQ(ServicePageAddress("https://www.example.invalid/korvex/"), "https://www.example.invalid/korvex/");
  EXPECT_EQ(ForumAddress(), kDefaultServiceUrl);
}

}  // namespace
}  // namespace korvex
