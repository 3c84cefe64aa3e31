#pragma once
// Whether what the window shows is on the device, read off the write queues, the acknowledgement
// handshake and whether the link is running: every change acknowledged, changes still leaving, or
// changes left behind by a lost link.

#include <string>

enum class SyncKind { OnDevice, Sending, NotOnDevice, NotConnected };

struct SyncSummary {
  SyncKind kind = SyncKind::NotConnected;
  int changes = 0;  // writes waiting, or left unsent
  bool operator==(const SyncSummary&) const = default;
};

SyncSummary SummariseSync();

// "All changes on the device", "Sending 3 changes…", "3 changes not on the device", "Not connected".
std::string SyncText(const SyncSummary& summary);
