#pragma once
// The control table: from a parameter address to the controls that show and edit it, in four
// layers indexed by channel and slot, plus the side lists the handlers use and the window's single
// controls that the binding reaches. It refers to the window's controls without owning them; the
// window fills it when it is first shown and empties it when it goes away.
//
// Plain data: the control classes are only named here, so the state resets without Qt. Callers tell
// a cell's class with qobject_cast (see control_lookup.h) before they use it; an empty cell, or a
// control of another class, means there is nothing to do.

#include <array>

#include "param_image.h"

class QWidget;
class PanelWindow;
class BmpButton;
class ComboBox;
class Edit;
class Image;
class Label;
class PageControl;
class ScrollBox;
class SpinButtons;
class StatusPane;
class TrackBar;

inline constexpr int SlotColumns = 81;
inline constexpr int EqGroupCount = 7;
inline constexpr int BandPointCells = 22;
inline constexpr int RadioGroupCells = 4;

template <class T>
using LayerCells = std::array<std::array<T, SlotColumns>, ChannelCount>;

struct ControlTable {
  LayerCells<QWidget*> PrimaryControls{};
  LayerCells<QWidget*> ReadoutControls{};
  LayerCells<QWidget*> StepControls{};
  LayerCells<std::array<QWidget*, 3>> TripleControls{};
  std::array<BmpButton*, 8> PageButtons{};
  std::array<std::array<Label*, BandPointCells>, EqGroupCount> BandPointLabels{};
  std::array<std::array<TrackBar*, BandPointCells>, EqGroupCount> BandFreqSliders{};
  std::array<BmpButton*, RadioGroupCells> RadioGroupButtons{};
};

// The window's single controls that the binding and the page handlers reach.
struct PanelControls {
  QWidget* form = nullptr;  // the main window the table belongs to
  PanelWindow* window = nullptr;  // its page handlers and graph
  Edit* Example = nullptr;
  BmpButton* ExampleBtn = nullptr;
  BmpButton* SysInput = nullptr;  // lends the pressed mark to every radio group
  std::array<Image*, 3> ModeOnImages{};
  std::array<Image*, 3> ModeOffImages{};
  BmpButton* AutoModeBtn = nullptr;
  BmpButton* ManulModeBtn = nullptr;
  BmpButton* SingModeBtn = nullptr;
  BmpButton* DiscoModeBtn = nullptr;
  BmpButton* MicABtn = nullptr;
  BmpButton* MicBBtn = nullptr;
  BmpButton* LinkBtn = nullptr;
  BmpButton* UnLinkBtn = nullptr;
  BmpButton* MusEQAllpassBtn = nullptr;
  BmpButton* EQResetBtn = nullptr;
  Label* EQPassLabel = nullptr;
  Label* EQlabel = nullptr;
  ScrollBox* MusScrollBox = nullptr;
  ScrollBox* MicScrollBox = nullptr;
  TrackBar* MicPanScrollBar = nullptr;
  PageControl* FormPageItem = nullptr;
  QWidget* TopTileGrop = nullptr;
  QWidget* AdvPanel1 = nullptr;
  QWidget* EQCotrolGrop = nullptr;
  QWidget* SingleDiscoGrop = nullptr;
  ComboBox* SubMusHPType = nullptr;
  ComboBox* SubMusLPType = nullptr;
  TrackBar* SubMusHPuserQBar = nullptr;
  TrackBar* SubMusLPuserQBar = nullptr;
  // The common band editor, in the order of its columns: frequency, gain, Q.
  std::array<TrackBar*, 3> BandEditorSliders{};
  std::array<SpinButtons*, 3> BandEditorSpins{};
  std::array<Edit*, 3> BandEditorEdits{};
  Label* COMEQlabel = nullptr;
  // The System page and the lock panel.
  QWidget* SysUserMangerGrop = nullptr;
  QWidget* SignRzGroup = nullptr;
  BmpButton* RzBmpButton138 = nullptr;
  ComboBox* SysModeBox = nullptr;
  Edit* PresetModeEdit = nullptr;
  Label* CurrentModeLabel = nullptr;
  QWidget* FirstCheckGrop = nullptr;
  Edit* PanelPassWordEdit = nullptr;
};

extern ControlTable controlTable;
extern PanelControls panelControls;

// The cell of an address in a layer, or null for an empty cell or an address outside the table
// (any channel or slot past its end, including an address read from an unstamped control).
QWidget* CellOf(const LayerCells<QWidget*>& layer, ParamAddress address);
QWidget* TripleOf(ParamAddress address, int index);
