#pragma once

#include <string>

#include "online/httpstransport.h"

namespace korvex {

// The client of the maker's program-services web service. Each call first fetches the service
// description from the address with "?wsdl" and takes the endpoint and the SOAP action from it.
class ProgramServicesClient {
 public:
  // `address`: the service address, https and the path "/webservices/programmservices".
  ProgramServicesClient(std::string address, const HttpsTransport& transport);

  // `getRecentVersion` with four Windows-1252 texts; its UTF-8 text result. Throws EOnlineService
  // (ESoapFault for a fault of the service).
  std::string GetRecentVersion(const std::string& username, const std::string& password,
                               const std::string& program, const std::string& version) const;

 private:
  std::string address_;
  const HttpsTransport& transport_;
};

}  // namespace korvex
