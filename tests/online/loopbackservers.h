#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace korvex::test {

// A program started in the background, ended and waited for when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& arguments, const std::filesystem::path& output);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool Running() const;

 private:
  pid_t pid_ = -1;
};

// Runs a program to its end with its output into `output`; its exit status.
int RunProgram(const std::vector<std::string>& arguments, const std::filesystem::path& output);

// A port on 127.0.0.1 that nothing listened on a moment ago.
uint16_t FreeLoopbackPort();

// A self-signed certificate made with openssl: `subject_alt_name` as openssl spells it
// ("IP:127.0.0.1", "DNS:anderer-host.example").
struct Certificate {
  std::filesystem::path certificate;
  std::filesystem::path key;
};
Certificate MakeCertificate(const std::filesystem::path& folder, const std::string& name,
                            const std::string& subject_alt_name);

// The program-services test service (tests/online/programservices_server.py, Python's spyne) on
// 127.0.0.1 and a free port, behind TLS with `certificate`.
class LoopbackService {
 public:
  LoopbackService(const std::filesystem::path& folder, const Certificate& certificate);

  // "https://127.0.0.1:PORT/webservices/programmservices"
  std::string Address() const;
  uint16_t port() const { return port_; }
  // The result text of the next calls; "FAULT:text" answers with a fault, "SLEEP:seconds:text" late.
  void SetAnswer(const std::string& text) const;
  // One line of JSON per call received so far: the four parameters and the SOAP action.
  std::vector<std::string> Calls() const;

 private:
  std::filesystem::path folder_;
  std::unique_ptr<ChildProcess> process_;
  uint16_t port_ = 0;
};

// tinyproxy on 127.0.0.1 asking for basic authentication with `user` and `password`.
class LoopbackProxy {
 public:
  LoopbackProxy(const std::filesystem::path& folder, const std::string& user, const std::string& password);
  uint16_t port() const { return port_; }
  // The proxy's log: each tunnel it opened appears as "Established connection".
  std::string Log() const;

 private:
  std::filesystem::path folder_;
  std::unique_ptr<ChildProcess> process_;
  uint16_t port_ = 0;
};

// A socket on 127.0.0.1 that takes connections and never says a word.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  uint16_t port() const { return port_; }

 private:
  int socket_ = -1;
  uint16_t port_ = 0;
};

}  // namespace korvex::test
