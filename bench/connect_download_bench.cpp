// Times the connect download over a pseudo-terminal against what the protocol itself costs.
//
// The simulator paces its replies at 57600 baud. The download is one request per stepper tick
// (100 ms) and each request waits for the reply to the one before, so it can never beat
// 42 ticks; the floor counted here is those ticks plus the wire time of every byte that crossed
// the line during the download (both directions, 10 bits a byte). A ratio near 1 means the panel
// adds no delay of its own. Each reply is shorter than a tick, so its wire time hides inside the
// tick that waits for it and the download lands below that floor; the ratio to the ticks alone is
// printed as well.
//
// Usage: connect_download_bench [runs]   (default 5; runs on the offscreen platform by default)

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "com_port.h"
#include "link_session.h"
#include "link_texts.h"
#include "param_image.h"
#include "receiver.h"
#include "send_state.h"
#include "tform3.h"

namespace {

constexpr double TickMs = 100.0;
constexpr int DownloadRequests = 42;
constexpr double WireMsPerByte = 10.0 * 1000.0 / 57600.0;

// Passes everything through to the real port and counts the bytes and writes of the download.
class CountingPort : public ComPort {
 public:
  explicit CountingPort(ComPort& port) : port_(port) {}
  bool Open(const std::string& name) override { return port_.Open(name); }
  void Close() override { port_.Close(); }
  bool IsOpen() const override { return port_.IsOpen(); }
  bool Write(const std::uint8_t* data, std::size_t size) override {
    if (counting) {
      ++writes;
      bytesOut += size;
    }
    return port_.Write(data, size);
  }
  std::size_t BytesAvailable() const override { return port_.BytesAvailable(); }
  std::size_t Read(std::uint8_t* out, std::size_t max) override {
    const std::size_t got = port_.Read(out, max);
    if (counting) bytesIn += got;
    return got;
  }

  bool counting = false;
  int writes = 0;
  std::size_t bytesOut = 0;
  std::size_t bytesIn = 0;

 private:
  ComPort& port_;
};

// Stands in for the main window: times the download by the status texts the link shows.
class TimingWindow : public LinkWindow {
 public:
  void SelectLinkButton(bool) override {}
  void ImageReloaded() override {}
  void ShowMainWindow() override {}
  void RebuildPresetList() override {}
  void ShowLinkTexts() override {
    if (linkTexts.LinkLabel == "Linking..." && !port->counting) {
      port->counting = true;
      clock.start();
    } else if (linkTexts.LinkLabel == "Device is Connected" && port->counting && !done) {
      downloadMs = clock.nsecsElapsed() / 1e6;
      port->counting = false;
      done = true;
    }
  }

  CountingPort* port = nullptr;
  QElapsedTimer clock;
  bool done = false;
  double downloadMs = 0;
};

struct RunResult {
  bool ok = false;
  double downloadMs = 0;
  int writes = 0;
  std::size_t bytes = 0;
  double FloorMs() const { return DownloadRequests * TickMs + bytes * WireMsPerByte; }
};

QString StartSimulator(QProcess& sim) {
  sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  sim.start(QStringLiteral(DSP_DEVICE_SIM_PATH), {});
  if (!sim.waitForStarted(5000)) return {};
  while (!sim.canReadLine())
    if (!sim.waitForReadyRead(5000)) return {};
  return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

// One Connect against a fresh simulator, timed from the start of the download ("Linking...", its
// first request follows at once) to its end ("Device is Connected").
RunResult RunOnce() {
  RunResult result;
  QProcess sim;
  const QString path = StartSimulator(sim);
  if (path.isEmpty()) return result;

  sessionState = {};
  sendState = {};
  receiveState = {};
  linkTexts = {};
  paramImage = {};
  TForm3 form;
  form.SetFixedPorts({path.toStdString()});
  CountingPort counting(form.Port());
  comPort = &counting;

  TimingWindow window;
  window.port = &counting;
  form.SetLinkWindow(&window);
  LinkConnect();
  QElapsedTimer limit;
  limit.start();
  while (!window.done && limit.elapsed() < 30000)
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);

  result.ok = window.done;
  result.downloadMs = window.downloadMs;
  result.writes = counting.writes;
  result.bytes = counting.bytesOut + counting.bytesIn;
  LinkFormCloseQuery();
  form.SetLinkWindow(nullptr);
  comPort = &form.Port();
  sim.terminate();
  sim.waitForFinished(3000);
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

  std::printf("%-4s %12s %8s %6s %8s %9s %7s %11s\n", "run", "download ms", "requests", "bytes",
              "wire ms", "floor ms", "ratio", "ticks ratio");
  std::vector<double> ratios;
  for (int run = 1; run <= runs; ++run) {
    const RunResult r = RunOnce();
    if (!r.ok) {
      std::printf("%-4d the download did not finish\n", run);
      return 1;
    }
    const double ratio = r.downloadMs / r.FloorMs();
    ratios.push_back(ratio);
    std::printf("%-4d %12.1f %8d %6zu %8.1f %9.1f %7.4f %11.4f\n", run, r.downloadMs, r.writes,
                r.bytes, r.bytes * WireMsPerByte, r.FloorMs(), ratio,
                r.downloadMs / (DownloadRequests * TickMs));
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("median ratio to floor: %.4f (best %.4f, worst %.4f)\n", ratios[ratios.size() / 2],
              ratios.front(), ratios.back());
  return 0;
}
