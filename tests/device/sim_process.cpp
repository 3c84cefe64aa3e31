#include "sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace {

constexpr int StartTimeoutMs = 5000;
constexpr int StopTimeoutMs = 3000;

std::int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Starts the simulator with its standard output on a pipe; the pid, or -1.
pid_t Spawn(const std::vector<std::string>& options, int& out) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<std::string> args{DSP_DEVICE_SIM_PATH};
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, DSP_DEVICE_SIM_PATH, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  out = pipeEnds[0];
  return pid;
}

// Reads from fd until stop says so, the pipe ends or the time is up.
template <typename Stop>
std::string ReadUntil(int fd, int timeoutMs, Stop stop) {
  std::string text;
  const std::int64_t deadline = NowMs() + timeoutMs;
  while (!stop(text)) {
    const std::int64_t left = deadline - NowMs();
    pollfd p{fd, POLLIN, 0};
    if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) break;
    char buffer[512];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

// Waits for the child's end: the exit code, 128 + the signal, or -1 when it outlives the wait.
int WaitFor(pid_t pid, int timeoutMs) {
  const std::int64_t deadline = NowMs() + timeoutMs;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (NowMs() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

SimProcess::SimProcess(const std::vector<std::string>& options) {
  pid_ = Spawn(options, out_);
  if (pid_ <= 0) return;
  const std::string text = ReadUntil(out_, StartTimeoutMs, [](const std::string& t) { return t.find('\n') != std::string::npos; });
  const std::size_t end = text.find('\n');
  if (end != std::string::npos) path_ = text.substr(0, end);
}

SimProcess::~SimProcess() {
  if (pid_ > 0) Stop(SIGKILL);
  if (out_ >= 0) close(out_);
}

int SimProcess::Stop(int signal) {
  if (pid_ <= 0) return -1;
  kill(pid_, signal);
  int result = WaitFor(pid_, StopTimeoutMs);
  if (result < 0) {
    kill(pid_, SIGKILL);
    WaitFor(pid_, StopTimeoutMs);
  }
  pid_ = -1;
  return result;
}

int SimProcess::RunToEnd(const std::vector<std::string>& options, std::string& output) {
  int out = -1;
  const pid_t pid = Spawn(options, out);
  if (pid <= 0) return -1;
  output = ReadUntil(out, StartTimeoutMs, [](const std::string&) { return false; });
  close(out);
  const int result = WaitFor(pid, StopTimeoutMs);
  if (result < 0) {
    kill(pid, SIGKILL);
    WaitFor(pid, StopTimeoutMs);
  }
  return result;
}

PtyClient::PtyClient(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return;
  termios raw{};
  if (tcgetattr(fd_, &raw) == 0) {
    cfmakeraw(&raw);
    tcsetattr(fd_, TCSANOW, &raw);
  }
}

PtyClient::~PtyClient() {
  if (fd_ >= 0) close(fd_);
}

bool PtyClient::Write(const std::vector<unsigned char>& bytes) {
  return fd_ >= 0 && write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

std::vector<unsigned char> PtyClient::ReadBytes(std::size_t count, int timeoutMs) {
  if (fd_ < 0) return {};
  const std::string text = ReadUntil(fd_, timeoutMs, [count](const std::string& t) { return t.size() >= count; });
  return {text.begin(), text.end()};
}
