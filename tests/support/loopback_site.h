#pragma once
// Starts tests/support/loopback_site.py on 127.0.0.1 for the life of the object and stops it
// afterwards. The site's files live in a fresh temporary folder; what the server was asked for
// is read back from its request log.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace testing_support {

// A port on 127.0.0.1 that nobody listens on: bound for a moment to get a free number, then
// released.
inline int refusedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

class LoopbackSite {
 public:
  LoopbackSite() {
    static int sites = 0;
    folder_ = std::filesystem::temp_directory_path() /
              ("orvex-site-" + std::to_string(::getpid()) + "-" + std::to_string(++sites));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "files");
    log_ = folder_ / "requests.log";
    std::ofstream(log_).flush();
    start();
  }
  ~LoopbackSite() {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    std::filesystem::remove_all(folder_);
  }
  LoopbackSite(const LoopbackSite&) = delete;
  LoopbackSite& operator=(const LoopbackSite&) = delete;

  // "http://127.0.0.1:<port>/<behaviour>": a site base whose files are answered that way;
  // for "no server", a base on a port that nobody listens on.
  std::string base(std::string_view behaviour) const {
    if (behaviour == "no server") return "http://127.0.0.1:" + std::to_string(refusedPort());
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + std::string(behaviour);
  }
  // "http://127.0.0.1:<port>": the site as an HTTP proxy.
  std::string proxyAddress() const { return "http://127.0.0.1:" + std::to_string(port_); }
  void putFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / "files" / name, std::ios::binary) << bytes;
  }
  // The raw request paths, in order of arrival.
  std::vector<std::string> requestedPaths() const {
    std::ifstream in(log_);
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line);) paths.push_back(line);
    return paths;
  }

 private:
  void start() {
    int output[2];
    if (::pipe(output) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const std::string python = ORVEX_PYTHON3, script = ORVEX_LOOPBACK_SITE_SCRIPT;
    const std::string files = (folder_ / "files").string(), log = log_.string();
    char* const arguments[] = {const_cast<char*>(python.c_str()), const_cast<char*>(script.c_str()),
                               const_cast<char*>(files.c_str()), const_cast<char*>(log.c_str()), nullptr};
    const int spawned = posix_spawn(&pid_, python.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) throw std::runtime_error("cannot start " + python);
    port_ = readPort(output[0]);
    ::close(output[0]);
    if (port_ <= 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
      throw std::runtime_error("the loopback site did not tell its port");
    }
  }

  static int readPort(int fd) {
    std::string line;
    char c = 0;
    pollfd waitFor{.fd = fd, .events = POLLIN, .revents = 0};
    while (::poll(&waitFor, 1, 10000) == 1 && ::read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line.empty() ? 0 : std::stoi(line);
  }

  std::filesystem::path folder_, log_;
  pid_t pid_ = 0;
  int port_ = 0;
};

}  // namespace testing_support
