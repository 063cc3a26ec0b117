#include "online/serviceconnection.h"

#include <cstdlib>

#include "model/codepage.h"
#include "platform/settingsstore.h"

namespace korvex {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

ServiceConnection ServiceConnectionFor(const ProgramSettings& settings, SettingsStore& store) {
  ServiceConnection connection;
  connection.address = Variable(kServiceAddressVariable);
  if (connection.address.empty()) {
    connection.address = SettingsKey(store).ReadString(kServiceAddressValue).value_or("");
  }
  if (connection.address.empty()) connection.address = kDefaultServiceAddress;
  connection.transport.ca_file = Variable(kServiceCaVariable);
  // The settings hold Windows-1252; on the wire names and passwords travel as UTF-8.
  connection.transport.proxy = {Win1252ToUtf8(settings.Online_Proxy), Win1252ToUtf8(settings.Online_Proxy_Port),
                                Win1252ToUtf8(settings.Online_Proxy_Username),
                                Win1252ToUtf8(settings.Online_Proxy_Password)};
  return connection;
}

}  // namespace korvex
