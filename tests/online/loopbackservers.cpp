#include "online/loopbackservers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "common/tempdir.h"

namespace korvex::test {
namespace {

namespace fs = std::filesystem;

pid_t Spawn(const std::vector<std::string>& arguments, const fs::path& output) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    // A test that crashes must not leave its servers behind.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (out >= 0) {
      dup2(out, STDOUT_FILENO);
      dup2(out, STDERR_FILENO);
      close(out);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits until `ready` holds or the time is up; the process must stay alive meanwhile.
template <typename Ready>
void WaitFor(const ChildProcess& process, Ready ready, const fs::path& log, const char* what) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!ready()) {
    if (!process.Running() || std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error(std::string(what) + " did not start: " + ReadText(log));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool Accepts(uint16_t port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return connected;
}

int BoundLoopbackSocket(uint16_t& port) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) throw std::runtime_error("bind failed");
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const fs::path& output)
    : pid_(Spawn(arguments, output)) {}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

bool ChildProcess::Running() const {
  int status = 0;
  return waitpid(pid_, &status, WNOHANG) == 0;
}

int RunProgram(const std::vector<std::string>& arguments, const fs::path& output) {
  const pid_t pid = Spawn(arguments, output);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

uint16_t FreeLoopbackPort() {
  uint16_t port = 0;
  close(BoundLoopbackSocket(port));
  return port;
}

Certificate MakeCertificate(const fs::path& folder, const std::string& name, const std::string& subject_alt_name) {
  Certificate made{folder / (name + ".crt"), folder / (name + ".key")};
  const int status = RunProgram({KORVEX_OPENSSL, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                                 "-subj", "/CN=Korvex Testdienst", "-addext", "subjectAltName=" + subject_alt_name,
                                 "-keyout", made.key.string(), "-out", made.certificate.string()},
                                folder / "openssl.log");
  if (status != 0) throw std::runtime_error("openssl failed: " + ReadText(folder / "openssl.log"));
  return made;
}

LoopbackService::LoopbackService(const fs::path& folder, const Certificate& certificate) : folder_(folder) {
  fs::create_directories(folder_);
  SetAnswer("{}");
  const fs::path port_file = folder_ / "port";
  process_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{KORVEX_SYSTEM_PYTHON, KORVEX_SERVICE_SCRIPT, "--cert", certificate.certificate.string(),
                               "--key", certificate.key.string(), "--answer-file", (folder_ / "answer").string(),
                               "--calls-file", (folder_ / "calls").string(), "--port-file", port_file.string()},
      folder_ / "service.log");
  WaitFor(*process_, [&] { return fs::exists(port_file); }, folder_ / "service.log", "the test service");
  port_ = static_cast<uint16_t>(std::stoi(ReadText(port_file)));
}

std::string LoopbackService::Address() const {
  return "https://127.0.0.1:" + std::to_string(port_) + "/webservices/programmservices";
}

void LoopbackService::SetAnswer(const std::string& text) const { WriteFileBytes(folder_ / "answer", text); }

std::vector<std::string> LoopbackService::Calls() const {
  std::vector<std::string> calls;
  std::istringstream lines(ReadText(folder_ / "calls"));
  for (std::string line; std::getline(lines, line);) calls.push_back(line);
  return calls;
}

LoopbackProxy::LoopbackProxy(const fs::path& folder, const std::string& user, const std::string& password)
    : folder_(folder) {
  fs::create_directories(folder_);
  port_ = FreeLoopbackPort();
  WriteFileBytes(folder_ / "tinyproxy.conf", "Port " + std::to_string(port_) +
                                                 "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\n"
                                                 "MaxClients 10\nLogLevel Connect\nDisableViaHeader Yes\n"
                                                 "BasicAuth " + user + " " + password + "\n");
  process_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{KORVEX_TINYPROXY, "-d", "-c", (folder_ / "tinyproxy.conf").string()},
      folder_ / "tinyproxy.log");
  WaitFor(*process_, [&] { return Accepts(port_); }, folder_ / "tinyproxy.log", "tinyproxy");
}

std::string LoopbackProxy::Log() const { return ReadText(folder_ / "tinyproxy.log"); }

SilentServer::SilentServer() {
  socket_ = BoundLoopbackSocket(port_);
  // The kernel completes the connections of the backlog; nobody ever reads or answers them.
  listen(socket_, 8);
}

SilentServer::~SilentServer() { close(socket_); }

}  // namespace korvex::test
