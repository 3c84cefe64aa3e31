#pragma once
// The pictures of the panel's controls, drawn by our own code into pixmaps at the device pixel ratio
// of the screens, so they stay crisp on any display: rounded buttons in their looks, radio marks,
// slider thumbs, the band mode images, the graph handles, the title bar and its window buttons.

#include <QColor>
#include <QPixmap>
#include <QSize>

// The looks of a rounded button. Off and Lit are the two states of an on/off button, Selected is the
// page on show, Pressed and Hover follow the mouse, Greyed is a button that cannot be used.
enum class Look { Off, Lit, Selected, Pressed, Hover, Greyed };

enum class WindowGlyph { Minimise, Maximise, Close };

inline constexpr QSize RadioSize{13, 13};
inline constexpr QSize ModeImageSize{18, 14};
inline constexpr QSize BandHandleSize{14, 14};
inline constexpr QSize FilterHandleSize{24, 24};
inline constexpr QSize WindowButtonSize{26, 20};

// A transparent pixmap of the given size in device-independent pixels. A ratio of 0 takes the
// highest ratio of the application's screens.
QPixmap NewPicture(QSize size, qreal ratio = 0);

QPixmap ButtonPicture(QSize size, Look look, qreal ratio = 0);
QPixmap RadioPicture(bool on, bool enabled, qreal ratio = 0);
// Mode 0 PEQ (a bell), 1 LSEQ (a low shelf), 2 HSEQ (a high shelf).
QPixmap ModePicture(int mode, bool on, qreal ratio = 0);
QPixmap BandHandlePicture(qreal ratio = 0);
QPixmap FilterHandlePicture(bool lowPass, qreal ratio = 0);
QPixmap TitlePicture(QSize size, qreal ratio = 0);
QPixmap WindowButtonPicture(WindowGlyph glyph, Look look, qreal ratio = 0);
// A slider's thumb: upright for a horizontal slider, lying for a vertical one.
QPixmap ThumbPicture(Qt::Orientation orientation, const QColor& accent, bool enabled, qreal ratio = 0);
QSize ThumbSize(Qt::Orientation orientation);
