#pragma once
// The runs without a window: --backup saves the device's whole set as a mode file, --restore puts a
// mode file's set on the device and reads it back to prove it. Each uses the same link session,
// scan, transfers and timing as the window, needs no display (a QCoreApplication is enough), writes
// one line of progress or error at a time to stderr, and ends with a status that says what failed.

#include "command_line.h"

enum class HeadlessExit {
  Done = 0,
  Usage = 1,            // wrong or contradictory options
  NoDevice = 2,         // no device answered, or the link failed or was lost on the way
  DamagedFile = 3,      // the file to restore is missing, unreadable or damaged; the device is untouched
  DeviceDisagrees = 4,  // after the upload the device holds other values than the file
  FileNotWritten = 5,   // the backup could not be written
};

inline constexpr char HeadlessExitHelp[] =
    "0 done, 1 wrong options, 2 no device answered or the link was lost, 3 the file to restore is missing or "
    "damaged (the device is left alone), 4 the device holds other values than the file, 5 the backup file could "
    "not be written.";

// Runs the backup or restore the options ask for; the application object must exist.
HeadlessExit RunHeadless(const CommandLine& options);
