#include "sim_options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

// A fault option takes a whole number: a time in milliseconds or a count.
struct NumberOption {
  const char* name;
  const char* value;
  std::int64_t FaultOptions::*millis;
  int FaultOptions::*count;
  const char* help;
};

constexpr NumberOption NumberOptions[] = {
    {"--silent-after", "MS", &FaultOptions::silentAfterMs, nullptr, "fall silent MS milliseconds after the start"},
    {"--cut-after", "N", nullptr, &FaultOptions::cutAfterBytes, "fall silent once N reply bytes have left, mid-frame if need be"},
    {"--silent-for", "MS", &FaultOptions::silentForMs, nullptr, "answer again MS milliseconds after falling silent"},
    {"--delay", "MS", &FaultOptions::replyDelayMs, nullptr, "send each reply MS milliseconds after its request"},
    {"--drop-ack-every", "N", nullptr, &FaultOptions::dropAckEvery, "leave out every Nth acknowledgement"},
    {"--corrupt-every", "N", nullptr, &FaultOptions::corruptEvery, "give every Nth reply frame a wrong checksum"},
    {"--noise", "N", nullptr, &FaultOptions::noiseBytes, "send N junk bytes before each reply"},
};

constexpr std::int64_t LargestNumber = 1'000'000'000;
constexpr std::int64_t LargestTcpPort = 65535;

bool ParseNumber(const std::string& text, std::int64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0 && value <= LargestNumber;
}

const NumberOption* FindNumberOption(const std::string& name) {
  for (const NumberOption& option : NumberOptions)
    if (name == option.name) return &option;
  return nullptr;
}

std::string UsageLine(const std::string& option, const std::string& help) {
  constexpr std::size_t HelpColumn = 23;
  std::string line = "  " + option;
  line.resize(std::max(HelpColumn, line.size() + 1), ' ');
  return line + help + "\n";
}

}  // namespace

std::optional<std::string> ParseSimOptions(const std::vector<std::string>& args, SimOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--pace" || arg == "--no-pace") {
      options.pace = arg == "--pace";
      continue;
    }
    const NumberOption* number = FindNumberOption(arg);
    if (!number && arg != "--state" && arg != "--link" && arg != "--tcp") return arg + ": unknown option";
    if (i + 1 >= args.size()) return arg + ": missing value";
    const std::string& value = args[++i];
    if (arg == "--state") {
      options.statePath = value;
    } else if (arg == "--link") {
      options.linkPath = value;
    } else if (arg == "--tcp") {
      std::int64_t port = 0;
      if (!ParseNumber(value, port) || port > LargestTcpPort) return arg + ": not a port number from 0 to 65535: " + value;
      options.tcpPort = static_cast<int>(port);
    } else {
      std::int64_t n = 0;
      if (!ParseNumber(value, n)) return arg + ": not a whole number from 0 to 1000000000: " + value;
      if (number->millis) options.faults.*number->millis = n;
      if (number->count) options.faults.*number->count = static_cast<int>(n);
    }
  }
  if (options.tcpPort >= 0 && !options.linkPath.empty()) return std::string("--link: names a terminal, not a TCP port");
  return std::nullopt;
}

std::string SimUsage() {
  std::string text =
      "usage: dsp-device-sim [options]\n"
      "Serves a virtual effect processor on a pseudo-terminal and prints the terminal's path as\n"
      "its first line (with --tcp, the address tcp://127.0.0.1:PORT). Stops on SIGINT or SIGTERM.\n"
      "A silent device hears nothing and sends nothing more, as if switched off, until --silent-for\n"
      "ends the silence.\n";
  text += UsageLine("--link PATH", "also make PATH a symbolic link to the terminal");
  text += UsageLine("--tcp PORT", "serve on TCP port PORT of the loopback address instead (0: any free port)");
  text += UsageLine("--state FILE", "keep the device memory in FILE between runs");
  text += UsageLine("--pace", "send replies at the line rate of 57600 baud, 10 bits a byte (the default)");
  text += UsageLine("--no-pace", "send replies at once, not at the line rate of 57600 baud");
  for (const NumberOption& option : NumberOptions)
    text += UsageLine(std::string(option.name) + " " + option.value, option.help);
  text += UsageLine("--help", "show this text");
  return text;
}
