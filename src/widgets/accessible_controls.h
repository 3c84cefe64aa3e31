#pragma once
// What our self-drawn controls tell Qt's accessibility layer, and through it screen readers and
// automation tools (AT-SPI on Linux): role, name, value, state and the actions they take. The controls
// that stand on Qt's line edit, combo box, label and item view keep Qt's own interfaces; these get
// ours:
//   TrackBar     a slider: the value interface (0 to Max, the position, which may also be set) and,
//                as its value text, what its read-out shows with the unit ("-3.0dB", "50 %");
//                actions to step it up and down.
//   BmpButton    a push button, or a check box when it is an on/off button, a radio button or a page
//                tab by its kind; named by its caption unless it has an accessible name; checked and
//                pressed; the press (and toggle) action clicks it.
//   StatusPane   static text; named by its accessible name (its row) or else by its text, with the
//                text as its value.
//   SpinButtons  a spin box without a value of its own: actions to step up and down.
//   Image        a graphic.
// Every change goes through the control as the user's own would, so it runs the same handlers and a
// disabled control takes none.

// Qt asks us for the interfaces of our controls from the moment the program loads. Every control
// calls this when it is created, which also keeps the installation in every program that has
// controls; true once installed.
bool InstallControlAccessibility();
