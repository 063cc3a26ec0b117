#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// The namespace under which the program services are registered.
inline constexpr const char* kServiceNamespace = "urn:RegisterService";

// One parameter element of a SOAP request: its name and namespace (empty = unqualified).
struct SoapParameter {
  std::string name;
  std::string ns;
  bool operator==(const SoapParameter&) const = default;
};

// How one operation is called, as the service description (WSDL 1.1, SOAP 1.1 binding) says.
struct SoapOperation {
  std::string endpoint;
  std::string soap_action;
  // "rpc" style names the body's element after the operation; "document" style takes the element
  // of the input message.
  bool rpc_style = false;
  // use="encoded": the parameters carry their xsi:type.
  bool encoded = false;
  std::string wrapper_name;
  std::string wrapper_namespace;
  std::vector<SoapParameter> parameters;
};

// Reads the service description and finds `operation` on a port with a SOAP 1.1 binding. Throws
// EOnlineService when the text is no service description or lacks the operation, its address or
// its input.
SoapOperation ReadServiceDescription(std::string_view wsdl, std::string_view operation);

}  // namespace korvex
