#pragma once
// Runs dsp-device-sim as a child process for tests: starts it with the given options, reads the
// pseudo-terminal's path from its first line of output, and stops it. Every wait is bounded.

#include <sys/types.h>

#include <string>
#include <vector>

class SimProcess {
 public:
  // Starts the simulator built alongside the tests; Path() is empty when it did not come up.
  explicit SimProcess(const std::vector<std::string>& options);
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& Path() const { return path_; }
  bool Running() const { return pid_ > 0; }
  // Sends the signal and waits for the end: the exit code, or 128 + the signal that ended it,
  // or -1 when it did not end within a few seconds (it is then killed).
  int Stop(int signal);

  // Runs the simulator to its end with the options (for --help and mistakes): exit code and output.
  static int RunToEnd(const std::vector<std::string>& options, std::string& output);

 private:
  pid_t pid_ = -1;
  int out_ = -1;  // the read end of its standard output
  std::string path_;
};

// A raw client end on a pseudo-terminal, for talking to the simulator without a serial library.
class PtyClient {
 public:
  explicit PtyClient(const std::string& path);
  ~PtyClient();
  PtyClient(const PtyClient&) = delete;
  PtyClient& operator=(const PtyClient&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  bool Write(const std::vector<unsigned char>& bytes);
  // Reads until count bytes have come or timeoutMs has passed; returns what came.
  std::vector<unsigned char> ReadBytes(std::size_t count, int timeoutMs);

 private:
  int fd_ = -1;
};
