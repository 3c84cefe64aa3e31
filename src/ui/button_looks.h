#pragma once
// The pictures each kind of button of the main window starts with. The panel's state handlers later
// swap a button's Up for one of its other pictures, so every kind keeps its looks where they expect:
// an on/off button its lit look in Down and its off look in Disabled, the Sing/Disco pair its off
// look in StayDown, a radio button its pressed mark in Down, and ExampleBtn the page button and radio
// looks that the page buttons and radio groups borrow.

#include <QSize>

#include "panel_tables.h"
#include "pictures.h"

class BmpButton;

inline constexpr QSize PageButtonSize{84, 22};
inline constexpr int ButtonHeight = 22;

void LookCommand(BmpButton& button, int width);       // OK, Call, Save, EQ Reset: Up, Down, Hot, Disabled
// Mutes, EQ pass and the button pairs: off at rest, lit in Down, off in Disabled.
void LookOnOff(BmpButton& button, int width);
void LookSingDisco(BmpButton& button, int width);     // lit in Down, off in StayDown, greyed in Disabled
void LookPage(BmpButton& button);                     // a page button, not selected
void LookRadio(BmpButton& button, bool pressed);      // a radio button of a group
void LookPhase(BmpButton& button);                    // "+" or "-", 15 pixels wide
void LookWindow(BmpButton& button, WindowGlyph glyph);
void LookTemplate(BmpButton& example, BmpButton& pressedRadio);  // ExampleBtn, and SysInput's Down
