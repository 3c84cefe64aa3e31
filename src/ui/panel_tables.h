#pragma once
// The main window's pages and controls as data: the pages and their buttons, the equaliser band
// columns and how their controls are named, and every row of the channel pages with its caption,
// slider range and design position, read-out pane and value kind, unit, phase and spin buttons, and
// the parameter each control edits. The window builds its pages from these tables; the control table
// binds the same names. Plain C++: no Qt here.

#include <array>
#include <string>
#include <vector>

#include "param_image.h"

// ---- pages

struct PageInfo {
  const char* sheet;          // the page's sheet in FormPageItem
  const char* sheetCaption;
  const char* button;         // its page button; the button's Tag is the page index
  const char* buttonCaption;
  int channel;                // the channel the page edits
};

inline constexpr int PageCount = 8;
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

inline constexpr std::array<const char*, 3> BandModeItems{"PEQ", "LSEQ", "HSEQ"};
inline constexpr int BandGainMax = 180;

// The name of a band control; bands are counted from 1 (MusEQGainBar1, MIcFreUpDownBtn15).
std::string BandControlName(const EqGroup& group, BandPart part, int band);

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
  ParamAddress address = 0;  // for toggle buttons; a radio group's address is the row's
};

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
  std::string spin;
  // Choice rows: the list, and optionally the group it sits in together with hidden radio buttons
  // (in buttons) that edit the same parameter.
  std::string list;
  std::vector<std::string> items;
  std::string group;
  // Radio, pair and toggle rows.
  std::vector<RowButton> buttons;
};

using RowColumn = std::vector<PageRow>;

// The rows of a channel page (pages 0 to 6) in reading order, column by column.
const std::vector<RowColumn>& PageRows(int page);

// The master volumes on the page bar ("Music", "MIC", "Effect") and the start and limit volumes of
// the System page, in the order Music start, Music limit, MIC start, ... Effect limit.
const std::vector<PageRow>& MasterVolumeRows();
const std::vector<PageRow>& VolumeManagementRows();
// The System page's two radio groups: the user level and the key lock.
const std::vector<PageRow>& SystemRadioRows();
