#pragma once

#include <stdexcept>
#include <string>

namespace korvex {

// A failed exchange with the program-services web service: no connection, a refused certificate,
// a timeout, an HTTP error, a SOAP fault, a service description without the operation or an answer
// that cannot be read. The text says what went wrong, for tests and diagnostics; the user sees the
// one German message of the update check.
class EOnlineService : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The service answered with a SOAP fault.
class ESoapFault : public EOnlineService {
 public:
  ESoapFault(std::string code, std::string text)
      : EOnlineService("SOAP-Fehler " + code + ": " + text), code_(std::move(code)), text_(std::move(text)) {}
  const std::string& code() const { return code_; }
  const std::string& text() const { return text_; }

 private:
  std::string code_;
  std::string text_;
};

}  // namespace korvex
