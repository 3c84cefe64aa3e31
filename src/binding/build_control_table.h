#pragma once
// Fills the control table from the window's controls and stamps each bound control with its
// parameter address, once, when the window is first shown; and empties it again when the window
// goes away, so nothing refers to controls that no longer exist.

class PanelWindow;
class QWidget;

// form: the main window holding every named control; window: its page handlers and graph.
void BuildControlTable(QWidget& form, PanelWindow& window);
// Empties the table and the binding's references if they belong to this form.
void ReleaseControlTable(const QWidget& form);
