#pragma once
// One QCoreApplication for a test executable without windows, made on first use.

#include <QCoreApplication>

inline void EnsureCoreApplication() {
  static int argc = 1;
  static char name[] = "dsp-tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}
