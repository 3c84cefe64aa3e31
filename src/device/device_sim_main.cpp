// dsp-device-sim: the virtual device on a pseudo-terminal, for running the panel without hardware.
// The slave side is held open here too, so the terminal survives a client closing and reopening.
// With --tcp it serves a loopback TCP port instead, one client at a time: a new connection takes
// the line over, as a serial-to-network converter does, and the device's memory carries on.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "device_state_file.h"
#include "sim_options.h"
#include "tcp_listener.h"
#include "virtual_device.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void OnStopSignal(int) { stopRequested = 1; }

constexpr std::int64_t MicrosPerByte = 1'000'000 * 10 / 57'600;  // 10 bits a byte at 57600 baud
constexpr std::int64_t StateSaveIntervalUs = 1'000'000;
constexpr std::int64_t PaceLookaheadUs = 1'000;  // a wake-up sends what the next millisecond would

std::int64_t NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Terminal {
  int master = -1;
  int slave = -1;
  std::string path;
};

bool OpenTerminal(Terminal& terminal) {
  char name[256] = {};
  if (openpty(&terminal.master, &terminal.slave, name, nullptr, nullptr) != 0) return false;
  termios raw{};
  if (tcgetattr(terminal.slave, &raw) == 0) {
    cfmakeraw(&raw);
    cfsetispeed(&raw, B57600);
    cfsetospeed(&raw, B57600);
    tcsetattr(terminal.slave, TCSANOW, &raw);
  }
  fcntl(terminal.master, F_SETFL, fcntl(terminal.master, F_GETFL) | O_NONBLOCK);
  terminal.path = name;
  return true;
}

// Replaces PATH only when it is missing or a symlink, never a real file.
bool MakeLink(const std::string& link, const std::string& target) {
  struct stat info {};
  if (lstat(link.c_str(), &info) == 0) {
    if (!S_ISLNK(info.st_mode)) return false;
    unlink(link.c_str());
  }
  return symlink(target.c_str(), link.c_str()) == 0;
}

// Where the device's bytes go: the terminal's master side, or the TCP client of the moment (none
// while nobody is connected) with the socket that takes new clients.
struct Line {
  int fd = -1;
  int listener = -1;
};

class Simulator {
 public:
  Simulator(const SimOptions& options, Line line, DeviceMemory memory)
      : options_(options), line_(line), device_(std::move(memory)) {
    device_.faults = options.faults;
    startUs_ = NowUs();
    lastSaveUs_ = startUs_;
  }

  void Run() {
    while (!stopRequested) {
      pollfd fds[2] = {{line_.fd, POLLIN, 0}, {line_.listener, POLLIN, 0}};
      if (!outgoing_.empty() && WireFree()) fds[0].events |= POLLOUT;
      const int ready = poll(fds, 2, TimeoutMs());
      if (ready < 0 && errno != EINTR) break;
      if (ready > 0 && (fds[1].revents & POLLIN)) TakeNewClient();
      else if (ready > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) ReadInput();
      Queue(device_.TakeDue(NowMs()));
      WriteOutput();
      SaveStateIfDue(false);
    }
    SaveStateIfDue(true);
    if (line_.listener >= 0) DropClient();
  }

 private:
  std::int64_t NowMs() const { return (NowUs() - startUs_) / 1000; }
  bool WireFree() const { return !options_.pace || NowUs() + PaceLookaheadUs >= wireFreeUs_; }

  int TimeoutMs() const {
    std::int64_t timeout = 200;
    if (const auto due = device_.NextDueMs()) timeout = std::min(timeout, std::max<std::int64_t>(0, *due - NowMs()));
    if (!outgoing_.empty() && !WireFree()) timeout = std::min(timeout, (wireFreeUs_ - PaceLookaheadUs - NowUs()) / 1000 + 1);
    return static_cast<int>(timeout);
  }

  // Bytes meant for the client before keep no meaning for the next one.
  void DropClient() {
    if (line_.fd >= 0) close(line_.fd);
    line_.fd = -1;
    outgoing_.clear();
  }

  void TakeNewClient() {
    const int client = AcceptClient(line_.listener);
    if (client < 0) return;
    DropClient();
    line_.fd = client;
  }

  void ReadInput() {
    std::uint8_t buffer[4096];
    const ssize_t n = read(line_.fd, buffer, sizeof buffer);
    // A TCP client that has gone reads as the end of its stream or an error; the terminal never ends.
    if (line_.listener >= 0 && (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))) DropClient();
    if (n <= 0) return;
    dirty_ = true;
    Queue(device_.Feed({buffer, static_cast<std::size_t>(n)}, NowMs()));
  }

  void Queue(const std::vector<std::uint8_t>& bytes) { outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end()); }

  // Paced output leaves one byte per byte time; a line idle for a while does not bank credit.
  void WriteOutput() {
    if (outgoing_.empty() || line_.fd < 0) return;
    std::size_t count = outgoing_.size();
    const std::int64_t now = NowUs();
    if (options_.pace) {
      wireFreeUs_ = std::max(wireFreeUs_, now - MicrosPerByte);
      count = 0;
      while (count < outgoing_.size() && wireFreeUs_ <= now + PaceLookaheadUs) {
        ++count;
        wireFreeUs_ += MicrosPerByte;
      }
    }
    const std::vector<std::uint8_t> chunk(outgoing_.begin(), outgoing_.begin() + static_cast<std::ptrdiff_t>(count));
    const ssize_t written = write(line_.fd, chunk.data(), chunk.size());
    if (written > 0) outgoing_.erase(outgoing_.begin(), outgoing_.begin() + written);
  }

  void SaveStateIfDue(bool final) {
    if (options_.statePath.empty() || !dirty_) return;
    if (!final && NowUs() - lastSaveUs_ < StateSaveIntervalUs) return;
    if (!SaveDeviceState(device_.memory(), options_.statePath))
      std::fprintf(stderr, "dsp-device-sim: cannot write %s\n", options_.statePath.c_str());
    lastSaveUs_ = NowUs();
    dirty_ = false;
  }

  const SimOptions& options_;
  Line line_;
  VirtualDevice device_;
  std::deque<std::uint8_t> outgoing_;
  std::int64_t startUs_ = 0;
  std::int64_t wireFreeUs_ = 0;
  std::int64_t lastSaveUs_ = 0;
  bool dirty_ = false;
};

DeviceMemory InitialMemory(const std::string& statePath) {
  if (statePath.empty() || access(statePath.c_str(), F_OK) != 0) return FactoryMemory();
  if (auto memory = LoadDeviceState(statePath)) return *memory;
  std::fprintf(stderr, "dsp-device-sim: %s is damaged; starting from factory values\n", statePath.c_str());
  return FactoryMemory();
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  if (const auto error = ParseSimOptions({argv + 1, argv + argc}, options)) {
    std::fprintf(stderr, "dsp-device-sim: %s\n%s", error->c_str(), SimUsage().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(SimUsage().c_str(), stdout);
    return 0;
  }
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);

  if (options.tcpPort >= 0) {
    const TcpListener listener = ListenOnLoopback(options.tcpPort);
    if (listener.fd < 0) {
      std::fprintf(stderr, "dsp-device-sim: cannot listen on TCP port %d: %s\n", options.tcpPort, listener.error.c_str());
      return 1;
    }
    std::printf("%s\n", LoopbackAddress(listener.port).c_str());
    std::fflush(stdout);
    Simulator(options, {-1, listener.fd}, InitialMemory(options.statePath)).Run();
    close(listener.fd);
    return 0;
  }

  Terminal terminal;
  if (!OpenTerminal(terminal)) {
    std::fprintf(stderr, "dsp-device-sim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
    return 1;
  }
  if (!options.linkPath.empty() && !MakeLink(options.linkPath, terminal.path)) {
    std::fprintf(stderr, "dsp-device-sim: cannot make the link %s\n", options.linkPath.c_str());
    return 1;
  }
  std::printf("%s\n", terminal.path.c_str());
  std::fflush(stdout);

  Simulator(options, {terminal.master, -1}, InitialMemory(options.statePath)).Run();
  if (!options.linkPath.empty()) unlink(options.linkPath.c_str());
  close(terminal.slave);
  close(terminal.master);
  return 0;
}
