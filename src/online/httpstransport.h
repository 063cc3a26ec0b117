#pragma once

#include <atomic>
#include <string>

namespace korvex {

// The HTTP proxy of the online settings (UTF-8); an empty server means a direct connection.
struct ProxySettings {
  std::string server;    // `OnlineProxyServer`
  std::string port;      // `OnlineProxyPort`
  std::string user;      // `OnlineProxyUser`
  std::string password;  // `OnlineProxyPasswort`

  // "server:port", or the server alone without a port; empty without a server.
  std::string Address() const;
};

// How requests reach the service.
struct TransportSettings {
  ProxySettings proxy;
  // A PEM file with the only certificates to trust; empty = the system's CA store.
  std::string ca_file;
  // A dead network must not keep the worker for minutes.
  long connect_timeout_ms = 15000;
  long total_timeout_ms = 30000;
};

struct HttpResponse {
  long status = 0;
  std::string content_type;
  std::string body;
};

// HTTPS requests through libcurl. Certificates and host names are always checked; only https is
// spoken, also after a redirection. One object serves one thread.
class HttpsTransport {
 public:
  // `abort` (may be null) ends a running request soon after it becomes true.
  explicit HttpsTransport(TransportSettings settings, const std::atomic<bool>* abort = nullptr);

  // Throws EOnlineService when no answer arrives (no connection, refused certificate, timeout,
  // abort). Any HTTP status is returned to the caller.
  HttpResponse Get(const std::string& url) const;
  HttpResponse Post(const std::string& url, const std::string& body, const std::string& content_type,
                    const std::string& soap_action) const;

  const TransportSettings& settings() const { return settings_; }

 private:
  HttpResponse Perform(const std::string& url, const std::string* body, const std::string& content_type,
                       const std::string& soap_action) const;

  TransportSettings settings_;
  const std::atomic<bool>* abort_;
};

}  // namespace korvex
