#pragma once

#include <map>
#include <string>
#include <string_view>

#include "online/servicedescription.h"

namespace korvex {

// The request of a SOAP 1.1 call as UTF-8 XML: the envelope's body holds the operation's element
// with one text element per parameter, in the order and namespaces the description gives.
// `arguments` maps parameter names to UTF-8 texts; a parameter without an argument throws
// EOnlineService, since the call would ask for something other than meant.
std::string BuildRequestEnvelope(const SoapOperation& operation, const std::map<std::string, std::string>& arguments);

// The one text result of a SOAP 1.1 answer: the text of the first element inside the body's
// answer element (UTF-8). Throws ESoapFault for a fault, EOnlineService for anything else that is
// no such answer.
std::string ReadSingleTextResult(std::string_view response);

}  // namespace korvex
