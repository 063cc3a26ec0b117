#pragma once

#include <string>

#include "dialogs/programsettings.h"
#include "online/httpstransport.h"

namespace korvex {

class SettingsStore;

// The settings-store value that names the program-services address (a String of the program's
// key); the address below serves when it is missing or empty.
inline constexpr const char* kServiceAddressValue = "Online_Service_Address";
inline constexpr const char* kDefaultServiceAddress = "https://www.promarbel.de/webservices/programmservices";
// Environment variables that override the address and name the only certificates to trust
// (a test service on the local machine uses both).
inline constexpr const char* kServiceAddressVariable = "KORVEX_SERVICE_ADDRESS";
inline constexpr const char* kServiceCaVariable = "KORVEX_SERVICE_CA";

struct ServiceConnection {
  std::string address;
  TransportSettings transport;
};

// Where and how the update check reaches the service: the address (variable, store, default),
// the proxy of the online settings and the certificate file of the variable (none: the system's
// CA store).
ServiceConnection ServiceConnectionFor(const ProgramSettings& settings, SettingsStore& store);

}  // namespace korvex
