#pragma once
// SIGINT and SIGTERM close the main window as if the user had closed it, so its close handling
// (the goodbye frame to a connected device) runs before the program ends.

class QWidget;

// Call once, after the main window exists. A signal arriving after the window is gone quits the
// application.
void InstallQuitSignals(QWidget* mainWindow);
