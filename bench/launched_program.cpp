#include "launched_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <fstream>

extern char** environ;

int64_t monotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

namespace {

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
  std::vector<std::string> all(extra);
  for (char** entry = environ; *entry; ++entry) all.emplace_back(*entry);
  return all;
}

}  // namespace

LaunchedProgram::LaunchedProgram(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  std::vector<std::string> arguments(command), variables = environmentWith(environment);
  std::vector<char*> argv = pointersTo(arguments), envp = pointersTo(variables);
  startedAt_ = monotonicNanoseconds();
  if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  output_ = pipeEnds[0];
}

LaunchedProgram::~LaunchedProgram() {
  if (pid_ > 0) stop();
  if (output_ >= 0) close(output_);
}

bool LaunchedProgram::takeLine(std::string& line) {
  size_t end = pending_.find('\n');
  if (end == std::string::npos) return false;
  line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return true;
}

bool LaunchedProgram::nextLine(std::string& line, int timeoutMilliseconds) {
  int64_t deadline = monotonicNanoseconds() + int64_t{timeoutMilliseconds} * 1000000;
  while (!takeLine(line)) {
    int left = static_cast<int>((deadline - monotonicNanoseconds()) / 1000000);
    pollfd watch{output_, POLLIN, 0};
    if (left <= 0 || poll(&watch, 1, left) <= 0) return false;
    char buffer[4096];
    ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0) return false;
    pending_.append(buffer, static_cast<size_t>(got));
  }
  return true;
}

int64_t LaunchedProgram::cpuNanoseconds() const {
  std::ifstream schedstat("/proc/" + std::to_string(pid_) + "/schedstat");
  int64_t onCpu = 0;
  schedstat >> onCpu;
  return onCpu;
}

long LaunchedProgram::voluntarySwitches() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("voluntary_ctxt_switches:", 0) == 0) return std::stol(line.substr(line.find(':') + 1));
  return 0;
}

long LaunchedProgram::stop() {
  if (pid_ <= 0) return 0;
  kill(pid_, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid_, &status, 0, &usage);
  pid_ = -1;
  return usage.ru_maxrss;
}
