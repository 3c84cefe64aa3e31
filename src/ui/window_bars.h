#pragma once
// Builds the title bar (the title picture Image2, the title Label77 and the minimise, maximise and
// close buttons) and the page bar TopTileGrop (the page buttons, the master volumes MUSBarBox and
// the hidden status label LinkLabel) on the main window.

class Panel;
class QWidget;

void BuildTitleBar(QWidget* form);
Panel* BuildPageBar(QWidget* form);
// Places the title bar's parts for a client area of the given width starting at (left, top).
void PlaceTitleBar(QWidget* form, int left, int top, int width);
