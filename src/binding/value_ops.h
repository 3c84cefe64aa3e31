#pragma once
// How a value reaches a control and the device: ApplyValue steps and clamps a value by the kind a
// control carries in its Hint, shows it in the kind's text, moves the slot's slider, stores it in the
// image and, when committing, sends it. CommitEdit does the same for the number typed into the
// current band edit.

#include <string>

class QWidget;

enum class ValueStep { None, Up, Down };
enum class ApplyMode { Commit, Display };

// control: an edit (band fields), a status pane (kinds 6..19) or a combo box; anything else, or a
// pane of kind 5 or less, is left alone. x is a step of the kind.
void ApplyValue(QWidget* control, ValueStep step, ApplyMode mode, double x);
// Applies the current band edit's text, stepped, and sends it; a text without a usable number puts
// the last accepted text back and sends nothing.
void CommitEdit(ValueStep step);
// The characters of the text that may form a number: "-", "." and the digits, in their order.
std::string KeepNumberChars(const std::string& text);
