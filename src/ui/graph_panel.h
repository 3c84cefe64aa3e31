#pragma once
// Builds the graph panel AdvPanel1: the plot area AdvPanel2 with the plot Image1, the read-out
// EQlabel, the "EQ PASS" marker, the band and filter handles and the hidden mode-image templates;
// and under it the bottom bar RzGroupBox3 with the link buttons, the Auto/Manual and Sing/Disco
// buttons, "EQ Reset" and "EQ pass". The plot follows the panel's size; the bottom bar stays at the
// bottom.

class Panel;
class QWidget;

Panel* BuildGraphPanel(QWidget* parent);
