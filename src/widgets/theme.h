#pragma once
// The panel's colours and fonts, in one place so that every control and picture agrees.

#include <QColor>
#include <QFont>

namespace theme {

inline const QColor WindowBlue{0, 51, 153};        // the main window's background
inline const QColor WindowBorder{92, 132, 214};    // its 2-pixel inner border
inline const QColor PanelFill{0, 38, 115};         // rounded panels on the window
inline const QColor PanelBorder{70, 112, 200};
inline const QColor PanelTitle{255, 255, 255};
inline const QColor Text{238, 243, 255};            // captions on the blue background
inline const QColor DimText{160, 180, 220};
inline const QColor GraphPanel{21, 21, 21};         // the graph's outer panel
inline const QColor GraphArea{12, 12, 12};          // the graph's plot area
inline const QColor ReadoutFill{6, 20, 52};         // status panes
inline const QColor ReadoutBorder{60, 96, 170};
inline const QColor ReadoutText{120, 220, 255};
inline const QColor EditFill{255, 255, 255};
inline const QColor EditText{16, 24, 40};
inline const QColor EditFrame{128, 128, 128};       // an edit's frame when it is not the current one
inline const QColor TrackGroove{8, 22, 58};
inline const QColor TrackBorder{84, 120, 196};
inline const QColor ChannelAccent{53, 182, 255};    // sliders of the channel pages
inline const QColor SystemAccent{255, 184, 64};     // volume sliders of the System channel

// Arial in the given pixel size, or the nearest sans font the system has.
QFont UiFont(int pixelSize, bool bold = false);

}  // namespace theme
