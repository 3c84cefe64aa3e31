#include "panel_tables.h"

namespace {

PageRow SliderRow(std::string caption, ParamAddress address, std::string slider, int max, std::string pane,
                  int kind, std::string unit = {}) {
  PageRow row;
  row.caption = std::move(caption);
  row.address = address;
  row.slider = std::move(slider);
  row.max = max;
  row.pane = std::move(pane);
  row.kind = kind;
  row.unit = std::move(unit);
  return row;
}

PageRow WithPhase(PageRow row, std::string phase, ParamAddress phaseAddress) {
  row.phase = std::move(phase);
  row.phaseAddress = phaseAddress;
  return row;
}

PageRow WithSpin(PageRow row, std::string spin, int design = 1) {
  row.spin = std::move(spin);
  row.design = design;
  return row;
}

PageRow ButtonRow(RowType type, std::string caption, ParamAddress address, std::vector<RowButton> buttons) {
  PageRow row;
  row.type = type;
  row.caption = std::move(caption);
  row.address = address;
  row.buttons = std::move(buttons);
  return row;
}

PageRow ChoiceRow(std::string caption, ParamAddress address, std::string list, std::vector<std::string> items) {
  PageRow row;
  row.type = RowType::Choice;
  row.caption = std::move(caption);
  row.address = address;
  row.list = std::move(list);
  row.items = std::move(items);
  return row;
}

const std::vector<std::string> FilterTypes{"Besell 24dB", "Butterworth 24dB", "Link Riley 24dB", "USER 12dB",
                                           "USER 24dB"};

// A high-pass frequency row: the slider starts at 100 and its pane has spin buttons.
PageRow FilterRow(std::string caption, ParamAddress address, std::string slider, std::string pane, std::string spin) {
  return WithSpin(SliderRow(std::move(caption), address, std::move(slider), 143, std::move(pane), 6), std::move(spin),
                  100);
}

// The user Q of a SUB filter type: usable only with the "USER" types.
PageRow UserQRow(std::string caption, ParamAddress address, std::string name, std::string spin) {
  PageRow row = WithSpin(SliderRow(std::move(caption), address, name + "Bar", 23, name + "Pane", 19), std::move(spin), 15);
  row.disabled = true;
  return row;
}

std::vector<RowColumn> MusicRows() {
  PageRow port = ButtonRow(RowType::Radio, "Music Port：", MakeAddress(9, 14),
                           {{"SysInput", "1"}, {"SysInput2", "2"}});
  port.readout = "SysInput";
  PageRow gain = ChoiceRow("Music Gain：", MakeAddress(9, 3), "SysMusInputLevelBox", {"0dB", "3dB", "6dB"});
  gain.group = "SignRzGroup";
  gain.buttons = {{"SysMusInputLevel", "0dB"}, {"SysMusInputLevel2", "3dB"}, {"SysMusInputLevel3", "6dB"}};
  return {{port, gain}};
}

std::vector<RowColumn> MicRows() {
  PageRow group = ButtonRow(RowType::Pair, "MIC(Group choose)：", 0, {{"MicABtn", "MIC A group"}, {"MicBBtn", "MIC B group"}});
  group.bound = false;  // the group only chooses which MIC channel the page shows
  PageRow fbe = ButtonRow(RowType::Radio, "MIC FBE：", MakeAddress(1, 1),
                          {{"MicFBERadioBtn1", "OFF"}, {"MicFBERadioBtn2", "1"}, {"MicFBERadioBtn3", "2"},
                           {"MicFBERadioBtn4", "3"}});
  PageRow hpf = FilterRow("MIC HPF：", MakeAddress(1, 0), "MicHPFreBar", "MicHPFrePane", "MicHPFreUpDownBtn");
  return {{group, fbe, hpf}};
}

// The rows the Echo and Reverb columns share: effect and direct levels with phase buttons, then the
// high- and low-pass frequencies.
RowColumn EffectColumn(int channel, const std::string& p, const std::string& word, int highPassSlot) {
  const auto at = [&](int slot) { return MakeAddress(channel, slot); };
  RowColumn rows;
  rows.push_back(WithPhase(SliderRow("MIC " + word + " Level：", at(1), p + "EffLevelBar", 100, p + "EffLevelPane", 8, "%"),
                           p + "EffPhaseBtn", at(0)));
  rows.push_back(WithPhase(SliderRow("MIC Direct Level：", at(3), p + "DirectLevelBar", 100, p + "DirectLevelPane", 8, "%"),
                           p + "DirectPhaseBtn", at(2)));
  rows.push_back(WithSpin(SliderRow(word + " HPF：", at(highPassSlot), p + "HPFreBar", 241, p + "HPFrePane", 13),
                          p + "HPFreUpDownBtn"));
  rows.push_back(WithSpin(SliderRow(word + " LPF：", at(highPassSlot + 1), p + "LPFreBar", 194, p + "LPFrePane", 7),
                          p + "LPFreUpDownBtn"));
  return rows;
}

std::vector<RowColumn> EffectRows() {
  const auto echo = [](int slot) { return MakeAddress(3, slot); };
  const auto reverb = [](int slot) { return MakeAddress(4, slot); };
  std::vector<RowColumn> columns{EffectColumn(3, "Echo", EffectColumnWords[0], 4),
                                 EffectColumn(4, "Rvb", EffectColumnWords[1], 6)};
  columns[1][1].phaseReadout = columns[1][1].phase;  // the reverb's direct phase is its own read-out
  columns[0].push_back(SliderRow("Echo PRE Delay：", echo(6), "EchoPreDelayBar", 125, "EchoPreDelayPane", 11, "ms"));
  columns[0].push_back(SliderRow("Echo Delay Time：", echo(7), "EchoTimeBar", 250, "EchoTimePane", 11, "ms"));
  columns[0].push_back(SliderRow("Echo Repeat：", echo(8), "EchoRepeatBar", 90, "EchoRepeatPane", 8, "%"));
  columns[0].push_back(SliderRow("Echo R CH PRE Delay：", echo(10), "EchoRPreDelayBar", 50, "EchoRPreDelayPane", 8, "%"));
  columns[0].push_back(SliderRow("Echo R CH Delay Time：", echo(9), "EchoRTimeBar", 100, "EchoRTimePane", 10, "%"));
  columns[1].push_back(SliderRow("Reverb PRE Delay：", reverb(5), "RvbPreDelayBar", 100, "RvbPreDelayPane", 11, "ms"));
  columns[1].push_back(SliderRow("Reverb Time：", reverb(4), "RvbTimeBar", 80, "RvbTimePane", 12, "ms"));
  return columns;
}

// The output pages share one scheme: mix levels with phase buttons, the limiter, the filters, the
// delays and the mutes; they differ in which of these they have and where the limiter starts.
struct OutputPage {
  const char* prefix;
  int channel;
  int levels;        // Music, MIC, Echo, Reverb: all four or the first two
  int levelMax;
  int limiterSlot;   // attack; release, level and ratio follow
  bool slope;        // a high-pass slope choice
  bool stereo;       // left and right delays and mutes
};

std::vector<RowColumn> OutputRows(const OutputPage& page) {
  const std::string p = page.prefix;
  const auto at = [&](int slot) { return MakeAddress(page.channel, slot); };
  RowColumn levels;
  static const std::array<std::pair<const char*, const char*>, 4> mixes{
      {{"Music Level：", "Mus"}, {"MIC Level：", "Mic"}, {"Echo Level：", "Echo"}, {"Reverb Level：", "Rvb"}}};
  for (int i = 0; i < page.levels; ++i) {
    const std::string role = p + mixes[i].second;
    levels.push_back(WithPhase(SliderRow(mixes[i].first, at(4 * i), role + "LevelBar", page.levelMax, role + "LevelPane",
                                         9, "%"),
                               role + "PhaseBtn", at(4 * i + 2)));
  }
  const int l = page.limiterSlot;
  levels.push_back(SliderRow("Limit Level：", at(l + 2), p + "RmsLevelBar", 34, p + "RmsLevelPane", 14, "dBu"));
  levels.push_back(SliderRow("Attack Time：", at(l), p + "RmsAttackBar", 15, p + "RmsAttackPane", 17, "ms"));
  levels.push_back(SliderRow("Release Time：", at(l + 1), p + "RmsReleaseBar", 7, p + "RmsReleasePane", 16, "Atk x"));
  levels.push_back(SliderRow("Ratio：", at(l + 3), p + "RmsRatioBar", 40, p + "RmsRatioPane", 15));

  RowColumn delays;
  if (page.stereo) {
    delays.push_back(SliderRow("L CH Delay：", at(l + 4), p + "LdelayBar", 500, p + "LdelayPane", 18, "ms"));
    delays.push_back(SliderRow("R CH Delay：", at(l + 5), p + "RdelayBar", 500, p + "RdelayPane", 18, "ms"));
  } else {
    delays.push_back(SliderRow("Delay：", at(l + 4), p + "delayBar", 500, p + "delayPane", 18, "ms"));
  }
  PageRow mutes = ButtonRow(RowType::Toggle, "", 0, {});
  if (page.stereo) {
    mutes.buttons.push_back({p + "LmuteBtn", "L CH Mute", at(l + 6)});
    mutes.buttons.push_back({p + "RmuteBtn", "R CH Mute", at(l + 7)});
  } else {
    mutes.buttons.push_back({p + "muteBtn", "Mute", at(l + 5)});
  }

  RowColumn filters;
  if (page.channel == 6) {  // SUB: the delay closes the first column; high- and low-pass with types and Q
    levels.push_back(delays.front());
    filters.push_back(FilterRow("HPF：", at(10), "SubMusHPFreBar", "SubMusHPFrePane", "SubHPFreUpDownBtn"));
    filters.push_back(ChoiceRow("HPF Mode：", at(8), "SubMusHPType", FilterTypes));
    filters.push_back(UserQRow("HPF Q：", at(12), "SubMusHPuserQ", "SubMusHPuserQUpDownBtn"));
    filters.push_back(FilterRow("LPF：", at(16), "SubMusLPFreBar", "SubMusLPFrePane", "SubLPFreUpDownBtn"));
    filters.push_back(ChoiceRow("LPF Mode：", at(14), "SubMusLPType", FilterTypes));
    filters.push_back(UserQRow("LPF Q：", at(18), "SubMusLPuserQ", "SubMusLPuserQUpDownBtn"));
  } else {
    filters.push_back(FilterRow("Music HPF：", at(16), p + "MusHPFreBar", p + "MusHPFrePane", p + "HPFreUpDownBtn"));
    if (page.slope) {
      filters.push_back(
          ButtonRow(RowType::Radio, "Filter Slope：", at(18), {{p + "MusHPslope", "12dB"}, {p + "MusHPslope2", "24dB"}}));
      filters.back().readout = p + "MusHPslope2";
    }
    filters.insert(filters.end(), delays.begin(), delays.end());
  }
  filters.push_back(mutes);
  std::vector<RowColumn> columns(2);
  columns[0] = std::move(levels);
  columns[1] = std::move(filters);
  return columns;
}

std::vector<PageRow> VolumeRows(const std::array<const char*, 3>& captions, const char* role, const char* hint, int design,
                                const std::array<int, 3>& slots) {
  static const std::array<const char*, 3> channels{"Mus", "Mic", "Eff"};
  std::vector<PageRow> rows;
  for (int i = 0; i < 3; ++i) {
    const std::string name = std::string("Sys") + channels[i] + role;
    PageRow row = SliderRow(captions[i], MakeAddress(9, slots[i]), name + "Bar", 84, name + "Pane", 0);
    row.design = design;
    row.sliderHint = hint;
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

const BandPartDesign& DesignOf(BandPart part) {
  static const std::array<BandPartDesign, BandPartCount> designs{{
      {"", ""},                 // PointLabel
      {"", ""},                 // PeqImage
      {"", ""},                 // LsqImage
      {"", ""},                 // HsqImage
      {"1", ""},                // ModeBox
      {"", ""},                 // GainBar
      {"3", "-24.0dB"},         // GainEdit
      {"2", "20000.0"},         // FreEdit
      {"4", "128.00"},          // QEdit
      {"", ""},                 // GainSpin
      {"", ""},                 // FreSpin
      {"", ""},                 // QSpin
  }};
  return designs[static_cast<std::size_t>(part)];
}

std::string BandControlName(const EqGroup& group, BandPart part, int band) {
  static const std::array<const char*, BandPartCount> roles{"EQPointLabel", "PEQBtn",   "LSQBtn",   "HSQBtn",
                                                 "ModeBox",      "EQGainBar", "GainEdit", "FreEdit",
                                                 "QEdit",        "GainUpDownBtn", "FreUpDownBtn", "QUpDownBtn"};
  const int index = static_cast<int>(part);
  const char* prefix = part == BandPart::PointLabel ? group.labelPrefix
                       : part >= BandPart::GainSpin ? group.spinPrefix
                                                    : group.prefix;
  return std::string(prefix) + roles[index] + std::to_string(band);
}

std::string GraphHandleName(int handle) {
  if (handle == 15) return "HPF";
  if (handle == 16) return "LPF";
  return "EP" + std::to_string(handle + 1);
}

const std::vector<RowColumn>& PageRows(int page) {
  static const std::array<std::vector<RowColumn>, 7> pages{
      MusicRows(),
      MicRows(),
      EffectRows(),
      OutputRows({"Main", 5, 4, 100, 20, true, true}),
      OutputRows({"Center", 7, 4, 100, 20, true, false}),
      OutputRows({"Sub", 6, 2, 200, 20, false, false}),
      OutputRows({"Sur", 8, 4, 100, 18, false, true}),
  };
  static const std::vector<RowColumn> none;
  return page >= 0 && page < static_cast<int>(pages.size()) ? pages[page] : none;
}

const PageRow& MicGroupRow() { return PageRows(1)[0][0]; }

const PageRow& MusicGainRow() { return PageRows(0)[0][1]; }

const PageRow& MusicPortRow() { return PageRows(0)[0][0]; }

const std::vector<PageRow>& MasterVolumeRows() {
  static const std::vector<PageRow> rows = VolumeRows({"Music", "MIC", "Effect"}, "NormalVol", "0", 10, {32, 33, 34});
  return rows;
}

const std::vector<PageRow>& VolumeManagementRows() {
  static const std::vector<PageRow> rows = [] {
    const std::vector<PageRow> starts =
        VolumeRows({"Music Start：", "MIC Start：", "Effect Start："}, "StartVol", "1", 50, {6, 8, 10});
    const std::vector<PageRow> limits =
        VolumeRows({"Music Limit：", "MIC Limit：", "Effect Limit："}, "MaxVol", "2", 50, {7, 9, 11});
    std::vector<PageRow> all;
    for (int i = 0; i < 3; ++i) {
      all.push_back(starts[i]);
      all.push_back(limits[i]);
    }
    return all;
  }();
  return rows;
}

const std::vector<PageRow>& SystemRadioRows() {
  static const std::vector<PageRow> rows{
      ButtonRow(RowType::Radio, "Choose：User/Administrators Mode", MakeAddress(9, 12),
                {{"SysUserBtn", "User"}, {"SysManagerBtn", "Administrators"}}),
      ButtonRow(RowType::Radio, "Auto Key Lock", MakeAddress(9, 13), {{"SysPanelBtn1", "Disable"}, {"SysPanelBtn2", "Enable"}}),
  };
  return rows;
}

const PageRow& PresetRow() {
  static const PageRow row = [] {
    std::vector<std::string> items;
    for (int k = 1; k <= 16; ++k) items.push_back(std::to_string(k) + "-");  // the list before the first refresh
    return ChoiceRow("Equipment Mode：", MakeAddress(9, 2), "SysModeBox", std::move(items));
  }();
  return row;
}

const std::vector<PageRow>& BottomBarRows() {
  static const std::vector<PageRow> rows = [] {
    PageRow link = ButtonRow(RowType::Pair, "", 0, {{"LinkBtn", "Connect"}, {"UnLinkBtn", "Disconnect"}});
    link.bound = false;  // the link pair drives the session, not a parameter
    PageRow autoManual = ButtonRow(RowType::Pair, "", MakeAddress(0, 0), {{"AutoModeBtn", "Manual"}, {"ManulModeBtn", "Auto"}});
    autoManual.readout = "ManulModeBtn";
    PageRow singDisco = ButtonRow(RowType::Pair, "", MakeAddress(0, 1), {{"SingModeBtn", "Sing"}, {"DiscoModeBtn", "Disco"}});
    singDisco.primary = "DiscoModeBtn";
    singDisco.readout = "SingModeBtn";
    PageRow reset = ButtonRow(RowType::Toggle, "", 0, {{"EQResetBtn", "EQ Reset"}});
    reset.bound = false;  // a command: it resets the bands of the page on show
    // "EQ pass" follows the page on show; the design binds it to the Music channel's EQ-pass slot.
    PageRow pass = ButtonRow(RowType::Toggle, "", 0, {{"MusEQAllpassBtn", "EQ pass", MakeAddress(0, 3)}});
    return std::vector<PageRow>{link, autoManual, singDisco, reset, pass};
  }();
  return rows;
}

std::vector<const PageRow*> AllRows() {
  std::vector<const PageRow*> all;
  for (int page = 0; page < SystemPage; ++page)
    for (const RowColumn& column : PageRows(page))
      for (const PageRow& row : column) all.push_back(&row);
  for (const auto* rows : {&MasterVolumeRows(), &VolumeManagementRows(), &SystemRadioRows(), &BottomBarRows()})
    for (const PageRow& row : *rows) all.push_back(&row);
  all.push_back(&PresetRow());
  return all;
}

const std::vector<RadioGroup>& RadioGroups() {
  static const std::vector<RadioGroup> groups = [] {
    std::vector<RadioGroup> all;
    for (const PageRow* row : AllRows()) {
      // A radio row, or the hidden radio buttons beside a list that edits the same parameter.
      if (row->type != RowType::Radio && !(row->type == RowType::Choice && !row->buttons.empty())) continue;
      RadioGroup group{row->address, {}};
      for (const RowButton& button : row->buttons) group.buttons.push_back(button.name);
      all.push_back(std::move(group));
    }
    return all;
  }();
  return groups;
}

const RadioGroup* RadioGroupOf(ParamAddress address) {
  for (const RadioGroup& group : RadioGroups())
    if (group.address == address) return &group;
  return nullptr;
}

const std::array<VolumeTriple, 3>& VolumeTriples() {
  static const std::array<VolumeTriple, 3> triples = [] {
    std::array<VolumeTriple, 3> all;
    const std::vector<PageRow>& managed = VolumeManagementRows();  // start, limit, start, limit, ...
    for (std::size_t i = 0; i < all.size(); ++i)
      all[i] = {MasterVolumeRows()[i].slider, managed[2 * i].slider, managed[2 * i + 1].slider};
    return all;
  }();
  return triples;
}
