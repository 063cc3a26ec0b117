#include "online/httpstransport.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "online/onlineerror.h"

namespace korvex {
namespace {

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

int CheckAbort(void* abort, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* flag = static_cast<const std::atomic<bool>*>(abort);
  return flag != nullptr && flag->load() ? 1 : 0;
}

// Sets one option; an option libcurl refuses is a failure of the request, never ignored.
template <typename Value>
void Set(CURL* handle, CURLoption option, Value value) {
  const CURLcode code = curl_easy_setopt(handle, option, value);
  if (code != CURLE_OK) throw EOnlineService(std::string("libcurl-Option: ") + curl_easy_strerror(code));
}

}  // namespace

std::string ProxySettings::Address() const {
  if (server.empty()) return {};
  return port.empty() ? server : server + ":" + port;
}

HttpsTransport::HttpsTransport(TransportSettings settings, const std::atomic<bool>* abort)
    : settings_(std::move(settings)), abort_(abort) {
  InitCurlOnce();
}

HttpResponse HttpsTransport::Get(const std::string& url) const { return Perform(url, nullptr, {}, {}); }

HttpResponse HttpsTransport::Post(const std::string& url, const std::string& body,
                                  const std::string& content_type, const std::string& soap_action) const {
  return Perform(url, &body, content_type, soap_action);
}

HttpResponse HttpsTransport::Perform(const std::string& url, const std::string* body,
                                     const std::string& content_type, const std::string& soap_action) const {
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) throw EOnlineService("libcurl konnte nicht starten");
  CURL* handle = curl.get();
  HttpResponse response;
  char error_text[CURL_ERROR_SIZE] = {};

  Set(handle, CURLOPT_URL, url.c_str());
  Set(handle, CURLOPT_ERRORBUFFER, error_text);
  Set(handle, CURLOPT_PROTOCOLS_STR, "https");
  Set(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  Set(handle, CURLOPT_FOLLOWLOCATION, 1L);
  Set(handle, CURLOPT_MAXREDIRS, 5L);
  // The worker is not the main thread: no signals for the name lookup timeout.
  Set(handle, CURLOPT_NOSIGNAL, 1L);
  Set(handle, CURLOPT_CONNECTTIMEOUT_MS, settings_.connect_timeout_ms);
  Set(handle, CURLOPT_TIMEOUT_MS, settings_.total_timeout_ms);
  Set(handle, CURLOPT_SSL_VERIFYPEER, 1L);
  Set(handle, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!settings_.ca_file.empty()) {
    // Only this file is trusted: the built-in certificate folder is not consulted either.
    Set(handle, CURLOPT_CAINFO, settings_.ca_file.c_str());
    Set(handle, CURLOPT_CAPATH, static_cast<const char*>(nullptr));
  }

  // An empty proxy also keeps libcurl from taking one from the environment: direct means direct.
  const std::string proxy = settings_.proxy.Address();
  Set(handle, CURLOPT_PROXY, proxy.c_str());
  if (!proxy.empty() && !settings_.proxy.user.empty()) {
    Set(handle, CURLOPT_PROXYUSERNAME, settings_.proxy.user.c_str());
    Set(handle, CURLOPT_PROXYPASSWORD, settings_.proxy.password.c_str());
    Set(handle, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_ANY));
  }

  Set(handle, CURLOPT_NOPROGRESS, 0L);
  Set(handle, CURLOPT_XFERINFOFUNCTION, &CheckAbort);
  Set(handle, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(abort_));
  Set(handle, CURLOPT_WRITEFUNCTION, &AppendBody);
  Set(handle, CURLOPT_WRITEDATA, &response.body);

  std::unique_ptr<curl_slist, HeaderListDeleter> headers;
  if (body != nullptr) {
    curl_slist* list = curl_slist_append(nullptr, ("Content-Type: " + content_type).c_str());
    list = curl_slist_append(list, ("SOAPAction: \"" + soap_action + "\"").c_str());
    headers.reset(list);
    Set(handle, CURLOPT_HTTPHEADER, list);
    Set(handle, CURLOPT_POSTFIELDS, body->data());
    Set(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
  }

  const CURLcode code = curl_easy_perform(handle);
  if (code != CURLE_OK) {
    const std::string detail = error_text[0] != '\0' ? error_text : curl_easy_strerror(code);
    // libcurl words a timeout differently depending on the phase it hit (connect, TLS, transfer).
    if (code == CURLE_OPERATION_TIMEDOUT) {
      throw EOnlineService("Verbindung zu " + url + ": Zeitlimit erreicht (" + detail + ")");
    }
    throw EOnlineService("Verbindung zu " + url + ": " + detail);
  }
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
  const char* type = nullptr;
  if (curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type != nullptr) {
    response.content_type = type;
  }
  return response;
}

}  // namespace korvex
