#pragma once
// Builds the common band editor EQCotrolGrop: three vertical sliders for the frequency, gain and Q of
// the band changed last, each with its labels, a read-only edit and spin buttons, under the title
// COMEQlabel.

class Panel;
class QWidget;

Panel* BuildBandEditor(int height, QWidget* parent);
