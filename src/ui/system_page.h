#pragma once
// Builds the System page: the system password and user level, the key lock and its password, the
// device presets, the volume limits, the mode-file library and the device identity; and the lock
// panel FirstCheckGrop, which lies on the main window itself and is hidden until the lock engages.

class Panel;
class QWidget;
class TabSheet;

// The height of the System page's bottom strip, where the lock panel appears.
inline constexpr int LockStripHeight = 56;

void BuildSystemPage(TabSheet& sheet);
Panel* BuildLockPanel(QWidget* form);
