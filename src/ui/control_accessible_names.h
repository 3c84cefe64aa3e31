#pragma once
// The names screen readers and automation tools know the window's controls by, from the page tables.
// A control with a caption of its own (a command, a pair, a page button, a label) keeps it as its name;
// the others take their row's caption without its colon ("Music Level"), a radio button its row's
// caption and its own ("MIC FBE 2"), a phase button its row's and "phase", a band control its page,
// band and field ("MIC band 3 gain"), a graph handle the band it moves ("band 3", "HPF"). A slider's
// value reads as its read-out shows it: a row's pane with the row's unit, a band's gain edit, the band
// editor's edit.

#include <QString>
#include <string>

class QWidget;

// A row's or a field's caption as a name: without the full-width colon that ends it.
QString AccessibleCaption(const std::string& caption);

void NameControls(QWidget& form);
