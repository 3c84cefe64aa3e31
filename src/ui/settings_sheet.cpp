#include "settings_sheet.h"

#include <map>
#include <optional>

#include "panel_tables.h"
#include "value_scales.h"

namespace {

constexpr int DiscoBank = 1;
constexpr char OnOff[2][4] = {"off", "on"};
constexpr char MissingValue[] = "(none)";

bool IsBanked(int channel, int slot) { return BankSlot(channel, slot, 0) != BankSlot(channel, slot, DiscoBank); }

// The page showing a channel, and for a page that shows two channels (the MIC groups, the Effect
// columns) the words that tell them apart.
struct PageOfChannel {
  const PageInfo* page = nullptr;
  std::string part;
  int viewChannel = 0;  // the channel the page's controls carry in their addresses
};

PageOfChannel PageOf(int channel) {
  PageOfChannel result;
  result.viewChannel = channel == 2 ? 1 : channel;
  for (const PageInfo& page : Pages)
    if (page.channel == result.viewChannel || (page.channel == 3 && channel == 4)) result.page = &page;
  if (channel == 1 || channel == 2) result.part = MicGroupRow().buttons[static_cast<std::size_t>(channel - 1)].caption;
  if (channel == 3 || channel == 4) result.part = EffectColumnWords[static_cast<std::size_t>(channel - 3)];
  return result;
}

std::string WithoutColon(std::string caption) {
  static const std::string colon = "：";
  if (caption.size() >= colon.size() && caption.compare(caption.size() - colon.size(), colon.size(), colon) == 0)
    caption.resize(caption.size() - colon.size());
  return caption;
}

// A row's or a button's words for a cell, and how its value reads.
struct CellControl {
  std::string name;
  const PageRow* row = nullptr;
  enum class Role { Row, Phase, Toggle, BandField } role = Role::Row;
  int bandRole = 0;
};

std::string ButtonCaptions(const PageRow& row) {
  std::string words;
  for (const RowButton& button : row.buttons) words += (words.empty() ? "" : "/") + button.caption;
  return words;
}

std::optional<CellControl> RowControl(ParamAddress address) {
  for (const PageRow* row : AllRows()) {
    if (row->bound && row->type != RowType::Toggle && row->address == address)
      return CellControl{row->caption.empty() ? ButtonCaptions(*row) : WithoutColon(row->caption), row};
    if (!row->phase.empty() && row->phaseAddress == address)
      return CellControl{WithoutColon(row->caption) + ", phase", row, CellControl::Role::Phase};
    if (row->type == RowType::Toggle)
      for (const RowButton& button : row->buttons)
        if (button.address == address) return CellControl{button.caption, row, CellControl::Role::Toggle};
  }
  return std::nullopt;
}

std::optional<CellControl> BandControl(int channel, ParamAddress address) {
  if (channel >= EqChannelCount) return std::nullopt;
  const int located = LocateBand(address);
  const int band = located >> 8, role = located & 0xFF;
  if (role >= static_cast<int>(BandFields.size()) || band >= EqBandCount[static_cast<std::size_t>(channel)])
    return std::nullopt;
  CellControl control{"band " + std::to_string(band + 1) + ", " + BandFields[static_cast<std::size_t>(role)].name};
  control.role = CellControl::Role::BandField;
  control.bandRole = role;
  return control;
}

// The control showing a DeviceTable cell, and whether the cell is its Disco copy. A column may be
// the Sing cell of one slot and the Disco copy of another (the output channels' odd columns); the
// slot that has a control wins. The MIC page's controls carry channel 1 for both groups.
struct ShownCell {
  CellControl control;
  bool disco = false;
};

std::optional<ShownCell> ShownCellOf(int channel, int column) {
  const int slots = ChannelParamCount[static_cast<std::size_t>(channel)];
  for (int bank : {0, DiscoBank})
    for (int slot = 0; slot < slots; ++slot) {
      if (BankSlot(channel, slot, bank) != column || (bank == DiscoBank && !IsBanked(channel, slot))) continue;
      const ParamAddress address = MakeAddress(PageOf(channel).viewChannel, slot);
      std::optional<CellControl> control = RowControl(address);
      if (!control) control = BandControl(channel, address);
      if (control) return ShownCell{*control, bank == DiscoBank};
    }
  return std::nullopt;
}

bool OnTable(int channel, int column) {
  return channel >= 0 && channel <= ModeFileLastChannel && column >= 0 && column < DeviceColumns;
}

std::string Listed(const std::vector<std::string>& texts, std::int32_t value) {
  if (value >= 0 && value < static_cast<std::int32_t>(texts.size())) return texts[static_cast<std::size_t>(value)];
  return std::to_string(value);
}

std::string WithUnit(const std::optional<std::string>& text, std::int32_t value, const std::string& unit) {
  if (!text) return std::to_string(value);
  return unit.empty() ? *text : *text + " " + unit;
}

std::string RowValue(const PageRow& row, std::int32_t value) {
  switch (row.type) {
    case RowType::Slider: return WithUnit(ValueKindText(row.kind, value), value, row.unit);
    case RowType::Choice: return Listed(row.items, value);
    case RowType::Radio:
    case RowType::Pair: {
      std::vector<std::string> captions;
      for (const RowButton& button : row.buttons) captions.push_back(button.caption);
      return Listed(captions, value);
    }
    case RowType::Toggle: break;
  }
  return std::to_string(value);
}

std::string BandValue(int role, std::int32_t value) {
  if (role == 0) return Listed({BandModeItems.begin(), BandModeItems.end()}, value);
  const BandField& field = BandFields[static_cast<std::size_t>(role)];
  return WithUnit(ValueKindText(std::stoi(DesignOf(field.part).hint), value), value, field.unit);
}

}  // namespace

std::string CellName(std::int32_t address) {
  const int channel = address >> 8, column = address & 0xFF;
  if (!OnTable(channel, column)) return "channel " + std::to_string(channel) + ", column " + std::to_string(column);
  const PageOfChannel page = PageOf(channel);
  std::string name = page.page->buttonCaption;
  if (!page.part.empty()) name += ", " + page.part;
  const std::optional<ShownCell> cell = ShownCellOf(channel, column);
  if (!cell) return name + ", column " + std::to_string(column);
  if (cell->disco) name += ", " + BottomBarRows()[SingDiscoRow].buttons[DiscoBank].caption;
  return name + ", " + cell->control.name;
}

std::string CellValueText(std::int32_t address, std::int32_t value) {
  const int channel = address >> 8, column = address & 0xFF;
  if (!OnTable(channel, column)) return std::to_string(value);
  const std::optional<ShownCell> cell = ShownCellOf(channel, column);
  if (!cell) return std::to_string(value);
  const CellControl& control = cell->control;
  switch (control.role) {
    case CellControl::Role::Row: return RowValue(*control.row, value);
    case CellControl::Role::Phase: return Listed({PhaseCaptions.begin(), PhaseCaptions.end()}, value);
    case CellControl::Role::Toggle: return Listed({OnOff[0], OnOff[1]}, value);
    case CellControl::Role::BandField: return BandValue(control.bandRole, value);
  }
  return std::to_string(value);
}

std::vector<std::string> SettingsSheet(const ModeFileContent& content) {
  std::vector<std::string> lines;
  for (const ModeValue& value : content.values)
    lines.push_back(CellName(value.address) + ", " + CellValueText(value.address, value.value));
  return lines;
}

std::vector<std::string> SettingsDifferences(const ModeFileContent& before, const ModeFileContent& after) {
  // Per cell: the value in each file, the later line winning.
  std::map<std::int32_t, std::pair<std::optional<std::int32_t>, std::optional<std::int32_t>>> cells;
  for (const ModeValue& value : before.values) cells[value.address].first = value.value;
  for (const ModeValue& value : after.values) cells[value.address].second = value.value;
  const auto text = [](std::int32_t address, const std::optional<std::int32_t>& value) {
    return value ? CellValueText(address, *value) : std::string(MissingValue);
  };
  std::vector<std::string> lines;
  for (const auto& [address, values] : cells)
    if (values.first != values.second)
      lines.push_back(CellName(address) + ", " + text(address, values.first) + " -> " + text(address, values.second));
  return lines;
}
