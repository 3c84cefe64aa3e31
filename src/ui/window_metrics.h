#pragma once
// Where the main window's regions lie, in pixels of the client area.

inline constexpr int ClientWidth = 1131;
inline constexpr int ClientHeight = 659;
inline constexpr int WindowBorder = 2;     // the inner border around the client area
inline constexpr int TitleHeight = 28;     // the title picture; the page bar covers its lowest pixels
inline constexpr int PageBarTop = 22;
inline constexpr int PageBarHeight = 26;
inline constexpr int PageAreaTop = PageBarTop + PageBarHeight;  // 48
inline constexpr int GraphPanelTop = 295;
// The part of a channel page above the graph panel, where its rows and band panel lie.
inline constexpr int ChannelPageHeight = GraphPanelTop - PageAreaTop - 8;
inline constexpr int BandEditorWidth = 180;
inline constexpr int PageMargin = 6;
