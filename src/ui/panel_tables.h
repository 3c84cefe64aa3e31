#pragma once
// The main window's pages and controls as data: the pages and their buttons, the equaliser band
// columns and how their controls are named, every row of the channel pages with its caption, slider
// range and design position, read-out pane and value kind, unit, phase and spin buttons, the rows of
// the bottom bar, the page bar and the System page, the common band editor, and the parameter each
// control edits. The window builds its controls from these tables and the control table binds the
// same rows, so every bound control is named once, here. Plain C++: no Qt here.

#include <array>
#include <string>
#include <vector>

#include "param_image.h"
#include "system_addresses.h"

// ---- pages

struct PageInfo {
  const char* sheet;          // the page's sheet in FormPageItem
  const char* sheetCaption;
  const char* button;         // its page button; the button's Tag is the page index
  const char* buttonCaption;
  int channel;                // the channel the page edits
};

inline constexpr int PageCount = 8;
inline constexpr int MusicPage = 0, MicPage = 1, EffectPage = 2, MainPage = 3, CenterPage = 4, SubPage = 5, SurPage = 6;
inline constexpr int SystemPage = 7;

inline constexpr std::array<PageInfo, PageCount> Pages{{
    {"AdvTabSheet1_mus", "音乐", "FormTabBtn1", "Music", 0},
    {"AdvTabSheet2_mic", "话筒", "FormTabBtn2", "MIC", 1},
    {"AdvTabSheet3_Eff", "效果", "FormTabBtn3", "Effect", 3},
    {"AdvTabSheet4_Main", "主输出", "FormTabBtn4", "Main output", 5},
    {"AdvTabSheet5_Center", "中置", "FormTabBtn5", "Center output", 7},
    {"AdvTabSheet6_Sub", "超低音", "FormTabBtn6", "SUB output", 6},
    {"AdvTabSheet7_sur", "后置", "FormTabBtn7", "SUR  output", 8},
    {"AdvTabSheet8_Sys", "系统", "FormTabBtn8", "System", 9},
}};

// ---- equaliser band columns

// One equaliser group: the band panel of a page. Group g is shown on page g.
struct EqGroup {
  int channel;
  const char* prefix;       // MusModeBox1, MusEQGainBar1, MusFreEdit1, ...
  const char* spinPrefix;   // the band spin buttons (the MIC page writes "MIc")
  const char* labelPrefix;  // the band number labels (the Effect page writes "Eff")
  const char* title;        // the band panel's title
  const char* scrollBox;    // the box the band columns scroll in
};

inline constexpr std::array<EqGroup, 7> EqGroups{{
    {0, "Mus", "Mus", "Mus", "10 band EQ", "MusScrollBox"},
    {1, "Mic", "MIc", "Mic", "15 band EQ", "MicScrollBox"},
    {3, "Echo", "Echo", "Eff", "3 band EQ", "AdvScrollBox6"},
    {5, "Main", "Main", "Main", "5 band EQ", "MainScrollBar"},
    {7, "Center", "Center", "Center", "5 band EQ", "CenterScrollBar"},
    {6, "Sub", "Sub", "Sub", "3 Band EQ", "AdvScrollBox3"},
    {8, "Sur", "Sur", "Sur", "5 band EQ", "SurScrollBar"},
}};

inline int BandCountOf(const EqGroup& group) { return EqBandCount[group.channel]; }
// The slot of band 1's frequency field: the Hint of the group's band number labels.
inline int FirstFrequencySlot(const EqGroup& group) { return EqFirstSlot[group.channel] + 1; }

enum class BandPart {
  PointLabel,  // the band number, caption n; Tag = channel, Hint = FirstFrequencySlot
  PeqImage,    // the three mode images
  LsqImage,
  HsqImage,
  ModeBox,     // items BandModeItems, Hint "1"
  GainBar,     // vertical slider 0..BandGainMax at BandGainMax
  GainEdit,    // Hint "3", design text "-24.0dB"
  FreEdit,     // Hint "2", design text "20000.0"
  QEdit,       // Hint "4", design text "128.00"
  GainSpin,
  FreSpin,
  QSpin,
};

inline constexpr int BandPartCount = 12;
inline constexpr std::array<const char*, 3> BandModeItems{"PEQ", "LSEQ", "HSEQ"};

// A band's five fields in role order (type, frequency, gain, Q of a peaking band, Q of a shelving
// band), each with the control that shows it (its value kind is that control's Hint) and the words a
// written record uses for it.
struct BandField {
  BandPart part;
  const char* name;
  const char* unit;
};
inline constexpr std::array<BandField, 5> BandFields{{
    {BandPart::ModeBox, "type", ""},
    {BandPart::FreEdit, "frequency", "Hz"},
    {BandPart::GainEdit, "gain", "dB"},
    {BandPart::QEdit, "Q", ""},
    {BandPart::QEdit, "shelving Q", ""},
}};
inline constexpr int BandGainMax = 180;

// What a band control carries at design: the value kind of an edit or a mode box (its Hint), and the
// text an edit shows until the panel is first refreshed from the image.
struct BandPartDesign {
  const char* hint;        // "" for controls without a kind
  const char* designText;  // "" for controls without a text
};
const BandPartDesign& DesignOf(BandPart part);

// The name of a band control; bands are counted from 1 (MusEQGainBar1, MIcFreUpDownBtn15).
std::string BandControlName(const EqGroup& group, BandPart part, int band);

// The graph's handle of an index: EP1 .. EP15 for the bands 0 .. 14, HPF (15) and LPF (16).
std::string GraphHandleName(int handle);

// ---- rows of the channel pages

enum class RowType {
  Slider,  // caption, slider, phase button, read-out pane with spin buttons, unit
  Choice,  // caption and a drop-down list
  Radio,   // caption and a radio group; the buttons' Hint is their index
  Pair,    // caption and two buttons of which one is pressed
  Toggle,  // on/off buttons, no caption
};

struct RowButton {
  std::string name;
  std::string caption;
  ParamAddress address = 0;  // for toggle buttons; a radio group's or a pair's address is the row's
};

// Buttons the panel refresh tells apart by their width alone: the first button of a radio group and
// a phase button. No other button has either width.
inline constexpr int RadioButtonWidth = 13;
inline constexpr int PhaseButtonWidth = 15;
// A phase button's caption for its state: 0 inverted, 1 in phase.
inline constexpr std::array<const char*, 2> PhaseCaptions{"-", "+"};

// The Effect page's two columns: the Echo channel's and the Reverb channel's rows.
inline constexpr std::array<const char*, 2> EffectColumnWords{"Echo", "Reverb"};

struct PageRow {
  RowType type = RowType::Slider;
  std::string caption;  // ends in the full-width colon "："
  ParamAddress address = 0;  // of the slider, the list or the radio group
  // Slider rows.
  std::string slider;
  int max = 0;
  int design = 1;  // the slider's position at design time
  bool disabled = false;
  std::string sliderHint;  // the volume sliders' place in their triple
  std::string pane;
  int kind = 0;  // the pane's value kind, kept in its Hint
  std::string unit;
  std::string phase;
  ParamAddress phaseAddress = 0;
  std::string phaseReadout;  // the phase slot's read-out cell; empty: the placeholder
  std::string spin;
  // Choice rows: the list, and optionally the group it sits in together with hidden radio buttons
  // (in buttons) that edit the same parameter.
  std::string list;
  std::vector<std::string> items;
  std::string group;
  // Radio, pair and toggle rows.
  std::vector<RowButton> buttons;
  bool bound = true;     // false: the buttons edit no parameter (the MIC group and link pairs)
  std::string primary;   // the button in the slot's primary cell; empty: the first button
  std::string readout;   // the control in the slot's read-out cell; empty: the placeholder
};

using RowColumn = std::vector<PageRow>;

// The rows of a channel page (pages 0 to 6) in reading order, column by column.
const std::vector<RowColumn>& PageRows(int page);
// Rows the handlers reach directly: the MIC page's group pair ("MIC A group", "MIC B group") and
// the Music page's input gain list with its group SignRzGroup.
const PageRow& MicGroupRow();
const PageRow& MusicGainRow();
// The Music page's port radio pair; its first button lends every radio group its pressed mark.
const PageRow& MusicPortRow();

// The master volumes on the page bar ("Music", "MIC", "Effect") and the start and limit volumes of
// the System page, in the order Music start, Music limit, MIC start, ... Effect limit.
const std::vector<PageRow>& MasterVolumeRows();
const std::vector<PageRow>& VolumeManagementRows();
// The System page's two radio groups: the user level and the key lock.
const std::vector<PageRow>& SystemRadioRows();
// The device's presets on the System page ("Equipment Mode：").
const PageRow& PresetRow();
// The bottom bar under the graph, left to right: the link pair, the Auto/Manual and Sing/Disco pairs,
// "EQ Reset" and "EQ pass". The Auto/Manual and Sing/Disco pairs sit in the group SingleDiscoGrop.
const std::vector<PageRow>& BottomBarRows();
inline constexpr int LinkPairRow = 0, AutoManualRow = 1, SingDiscoRow = 2, EqResetRow = 3, EqPassRow = 4;

// Every row of the window that edits a parameter: the channel pages, the page bar, the System page
// and the bottom bar.
std::vector<const PageRow*> AllRows();

// A radio group: the buttons sharing one parameter, in index order (a button's Hint is its index).
struct RadioGroup {
  ParamAddress address;
  std::vector<std::string> buttons;
};
const std::vector<RadioGroup>& RadioGroups();
// The radio group of a parameter, or null.
const RadioGroup* RadioGroupOf(ParamAddress address);

// The three volume sliders of one channel (Music, MIC, Effect): master, start and limit; each
// slider's Hint is its place in the triple ("0", "1", "2").
struct VolumeTriple {
  std::string normal, start, limit;
};
const std::array<VolumeTriple, 3>& VolumeTriples();

// ---- the System page's passwords

// The three fields in which one of the device's passwords is changed, and where it goes.
struct PasswordChangeFields {
  const char* heading;
  ParamAddress address;                 // written with the new password as a digit string
  std::string ParamImage::*stored;      // the password as the device holds it
  int length;                           // its digits
  std::array<const char*, 3> fields;    // the old password, the new one, the new one again
  bool oldMasked;                       // the old password shows as dots
};
inline constexpr PasswordChangeFields SystemPasswordChange{
    "Modeify System Password", SystemPasswordAddress, &ParamImage::SystemPassword, 6,
    {"SysPanelLabel1", "NewSysPassLabel1", "NewSysPassLabel2"}, true};
inline constexpr PasswordChangeFields KeyLockPasswordChange{
    "Modify Auto Key Lock Passowrd", PanelPasswordAddress, &ParamImage::PanelPassword, 4,
    {"PassPanelLabel1", "NewPassLabel1", "NewPassLabel2"}, false};
// The lock panel's field takes up to this many digits, whatever the key lock password's length.
inline constexpr int UnlockFieldLength = 6;

// ---- the common band editor: three vertical sliders acting on the band changed last

struct BandEditorColumn {
  const char* caption;
  const char* slider;
  int max;
  const char* edit;  // a read-only display
  const char* spin;
  int role;          // the band field the column follows: 1 frequency, 2 gain, 3 Q
};
inline constexpr std::array<BandEditorColumn, 3> BandEditorColumns{{
    {"频率", "ComEQFreBar", 361, "ComEQFreEdit", "ComEQFreUpDownBtn", 1},
    {"增益", "ComEQGainBar", 180, "ComEQGainEdit", "ComEQGainUpDownBtn", 2},
    {"Q值", "ComEQQvalueBar", 100, "ComEQQvalueEdit", "ComEQQvalueUpDownBtn", 3},
}};
inline constexpr char BandEditorTitlePrefix[] = "调节当前EQ段：";
