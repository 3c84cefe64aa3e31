// Every control the window's tables name: it exists exactly once under its name, is of its kind and
// carries its design values; and the page tables give each row control its parameter address.

#include <QTimer>
#include <gtest/gtest.h>
#include <map>

#include "bmp_button.h"
#include "combo_box.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "main_form.h"
#include "page_control.h"
#include "panel.h"
#include "panel_tables.h"
#include "scroll_box.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"
#include "value_list.h"

namespace {

enum class Kind { Slider, VerticalSlider, Edit, List, Pane, Button, Spin, Image, Label, Panel, ScrollBox, Pages, Sheet, Values };

struct Expected {
  std::string name;
  Kind kind;
  std::string caption = "-";  // a button's or label's caption, an edit's text, a list's items joined by "|"
  std::string hint = "-";     // "-": not checked
  int max = -1;               // sliders: range 0..max and design position
  int position = -1;
  int address = -1;           // the parameter the page tables bind it to
  bool hidden = false;
  int tag = -1;
};

Expected Slider(std::string name, int max, int address, int position = 1) {
  return {.name = std::move(name), .kind = Kind::Slider, .max = max, .position = position, .address = address};
}
Expected Pane(std::string name, std::string kind) { return {.name = std::move(name), .kind = Kind::Pane, .hint = std::move(kind)}; }
Expected Spin(std::string name) { return {.name = std::move(name), .kind = Kind::Spin}; }
Expected Phase(std::string name, int address) {
  return {.name = std::move(name), .kind = Kind::Button, .caption = "+", .hint = "1", .address = address};
}
Expected Button(std::string name, std::string caption = "-", std::string hint = "-", int address = -1) {
  return {.name = std::move(name), .kind = Kind::Button, .caption = std::move(caption), .hint = std::move(hint), .address = address};
}
Expected Of(std::string name, Kind kind, std::string caption = "-") {
  return {.name = std::move(name), .kind = kind, .caption = std::move(caption)};
}
Expected Hidden(Expected e) {
  e.hidden = true;
  return e;
}

// One slider row of a page: slider, pane with its kind, and optionally phase and spin buttons.
void Row(std::vector<Expected>& t, const std::string& stem, int max, const char* kind, int address, int phaseAddress = -1,
         int position = 1, const char* spin = nullptr) {
  t.push_back(Slider(stem + "Bar", max, address, position));
  t.push_back(Pane(stem + "Pane", kind));
  if (phaseAddress >= 0) t.push_back(Phase(stem.substr(0, stem.size() - 5) + "PhaseBtn", phaseAddress));
  if (spin) t.push_back(Spin(spin));
}

// The output pages' mix levels, limiter and high-pass rows.
void OutputRows(std::vector<Expected>& t, const std::string& p, int channel, int levels, int levelMax, int limiter) {
  const char* mixes[] = {"Mus", "Mic", "Echo", "Rvb"};
  for (int i = 0; i < levels; ++i)
    Row(t, p + mixes[i] + "Level", levelMax, "9", channel << 8 | 4 * i, channel << 8 | (4 * i + 2));
  Row(t, p + "RmsAttack", 15, "17", channel << 8 | limiter);
  Row(t, p + "RmsRelease", 7, "16", channel << 8 | (limiter + 1));
  Row(t, p + "RmsLevel", 34, "14", channel << 8 | (limiter + 2));
  Row(t, p + "RmsRatio", 40, "15", channel << 8 | (limiter + 3));
}

std::vector<Expected> ExpectedControls() {
  std::vector<Expected> t = {
      // The window shell.
      Of("Image2", Kind::Image), Of("Label77", Kind::Label, "Zadav Udedaz Evavozazad Ov 1.1.6"),
      Button("RzBmpButton1"), Button("RzBmpButton2"), Button("RzBmpButton3"),
      Of("TopTileGrop", Kind::Panel), Of("MUSBarBox", Kind::Panel), Hidden(Of("LinkLabel", Kind::Label)),
      Of("RzGroupBox2", Kind::Panel), Of("FormPageItem", Kind::Pages),
      Of("AdvTabSheet1_mus", Kind::Sheet, "音乐"), Of("AdvTabSheet2_mic", Kind::Sheet, "话筒"),
      Of("AdvTabSheet3_Eff", Kind::Sheet, "效果"), Of("AdvTabSheet4_Main", Kind::Sheet, "主输出"),
      Of("AdvTabSheet5_Center", Kind::Sheet, "中置"), Of("AdvTabSheet6_Sub", Kind::Sheet, "超低音"),
      Of("AdvTabSheet7_sur", Kind::Sheet, "后置"), Of("AdvTabSheet8_Sys", Kind::Sheet, "系统"), Of("AdvTabSheet1", Kind::Sheet),
      Of("AdvPanel1", Kind::Panel), Of("AdvPanel2", Kind::Panel), Of("Image1", Kind::Image), Of("EQlabel", Kind::Label),
      Hidden(Of("EQPassLabel", Kind::Label, "EQ PASS")), Hidden(Of("HPF", Kind::Image)), Hidden(Of("LPF", Kind::Image)),
      Of("RzGroupBox3", Kind::Panel), Button("LinkBtn"), Button("UnLinkBtn"), Of("SingleDiscoGrop", Kind::Panel),
      Button("AutoModeBtn", "Manual"), Button("ManulModeBtn", "Auto"), Button("SingModeBtn", "Sing"),
      Button("DiscoModeBtn", "Disco"), Button("EQResetBtn", "EQ Reset"), Button("MusEQAllpassBtn", "EQ pass"),
      // Hidden helpers.
      Hidden({.name = "Example", .kind = Kind::Edit, .caption = "0Example", .hint = "0"}), Hidden(Button("ExampleBtn")),
      Hidden(Of("ComComboBox1", Kind::List)), Hidden(Of("RzGroupBox10", Kind::Panel)),
      {.name = "MusEQTrackBar1", .kind = Kind::Slider, .max = 361}, Button("MusEQBmpBtn1"),
      // The common band editor.
      Of("EQCotrolGrop", Kind::Panel), Of("COMEQlabel", Kind::Label, "调节当前EQ段：1"),
      {.name = "ComEQFreBar", .kind = Kind::VerticalSlider, .max = 361}, {.name = "ComEQGainBar", .kind = Kind::VerticalSlider, .max = 180},
      {.name = "ComEQQvalueBar", .kind = Kind::VerticalSlider, .max = 100}, Of("ComEQFreEdit", Kind::Edit),
      Of("ComEQGainEdit", Kind::Edit), Of("ComEQQvalueEdit", Kind::Edit), Spin("ComEQFreUpDownBtn"),
      Spin("ComEQGainUpDownBtn"), Spin("ComEQQvalueUpDownBtn"),
      // Music page.
      Button("SysInput", "-", "0", 0x090E), Button("SysInput2", "-", "1", 0x090E), Of("SignRzGroup", Kind::Panel),
      {.name = "SysMusInputLevelBox", .kind = Kind::List, .caption = "0dB|3dB|6dB", .address = 0x0903},
      Hidden(Button("SysMusInputLevel", "-", "0")), Hidden(Button("SysMusInputLevel2", "-", "1")),
      Hidden(Button("SysMusInputLevel3", "-", "2")), Of("MusScrollBox", Kind::ScrollBox),
      // MIC page.
      Button("MicABtn", "MIC A group", "0"), Button("MicBBtn", "MIC B group", "1"),
      {.name = "MicPanScrollBar", .kind = Kind::Slider, .max = 5, .position = 0}, Of("MicScrollBox", Kind::ScrollBox),
      Button("MicFBERadioBtn1", "-", "0", 0x0101), Button("MicFBERadioBtn2", "-", "1", 0x0101),
      Button("MicFBERadioBtn3", "-", "2", 0x0101), Button("MicFBERadioBtn4", "-", "3", 0x0101),
      // Effect page.
      Of("AdvScrollBox6", Kind::ScrollBox),
      // Output pages.
      Of("MainScrollBar", Kind::ScrollBox), Of("CenterScrollBar", Kind::ScrollBox), Of("AdvScrollBox3", Kind::ScrollBox),
      Of("SurScrollBar", Kind::ScrollBox),
      Button("MainMusHPslope", "-", "0", 0x0512), Button("MainMusHPslope2", "-", "1", 0x0512),
      Button("CenterMusHPslope", "-", "0", 0x0712), Button("CenterMusHPslope2", "-", "1", 0x0712),
      Button("MainLmuteBtn", "L CH Mute", "0", 0x051A), Button("MainRmuteBtn", "R CH Mute", "0", 0x051B),
      Button("CentermuteBtn", "Mute", "0", 0x0719), Button("SubmuteBtn", "Mute", "0", 0x0619),
      Button("SurLmuteBtn", "L CH Mute", "0", 0x0818), Button("SurRmuteBtn", "R CH Mute", "0", 0x0819),
      {.name = "SubMusHPType", .kind = Kind::List,
       .caption = "Besell 24dB|Butterworth 24dB|Link Riley 24dB|USER 12dB|USER 24dB", .address = 0x0608},
      {.name = "SubMusLPType", .kind = Kind::List,
       .caption = "Besell 24dB|Butterworth 24dB|Link Riley 24dB|USER 12dB|USER 24dB", .address = 0x060E},
      // System page.
      Of("CurvyPanel22", Kind::Panel), Of("CurvyPanel19", Kind::Panel), Of("CurvyPanel20", Kind::Panel),
      Of("RzGroupBox4", Kind::Panel), Of("CurvyPanel23", Kind::Panel), Of("SysUserMangerGrop", Kind::Panel),
      Of("SysPassEdit", Kind::Edit), Button("RzBmpButton118", "OK"), Button("SysUserBtn", "-", "0", 0x090C),
      Button("SysManagerBtn", "-", "1", 0x090C), Of("SysPanelLabel1", Kind::Edit), Of("NewSysPassLabel1", Kind::Edit),
      Of("NewSysPassLabel2", Kind::Edit), Button("SysPanelBtn1", "-", "0", 0x090D), Button("SysPanelBtn2", "-", "1", 0x090D),
      Of("PassPanelLabel1", Kind::Edit), Of("NewPassLabel1", Kind::Edit), Of("NewPassLabel2", Kind::Edit),
      {.name = "SysModeBox", .kind = Kind::List, .caption = "1-|2-|3-|4-|5-|6-|7-|8-|9-|10-|11-|12-|13-|14-|15-|16-"},
      Of("PresetModeEdit", Kind::Edit), Of("CurrentModeLabel", Kind::Label),
      Button("RzBmpButton121", "Call Equipment Mode"), Button("RzBmpButton138", "Save Equipment Mode"),
      Of("DeviceIDLabel", Kind::Label), Hidden(Of("FirstCheckGrop", Kind::Panel)), Of("PanelPassWordEdit", Kind::Edit),
      Button("RzBmpButton4", "OK"),
      // The mode files.
      Of("FileEdit", Kind::Edit), Button("RzBmpButton120", "Save date in PC"), Button("RzBmpButton119", "Upload date to Equipment"),
      Of("ValueListEditor1", Kind::Values),
  };

  // Page buttons, their Tag is the page index.
  const char* captions[] = {"Music", "MIC", "Effect", "Main output", "Center output", "SUB output", "SUR  output", "System"};
  for (int p = 0; p < 8; ++p)
    t.push_back({.name = "FormTabBtn" + std::to_string(p + 1), .kind = Kind::Button, .caption = captions[p], .tag = p});
  // The graph handles and the mode-image templates.
  for (int i = 1; i <= 15; ++i) t.push_back(Hidden(Of("EP" + std::to_string(i), Kind::Image)));
  for (const char* mode : {"PEQ", "LSQ", "HSQ"})
    for (const char* look : {"_ONImage", "_OFFImage"}) t.push_back(Hidden(Of(std::string(mode) + look, Kind::Image)));

  // Slider rows.
  Row(t, "MicHPFre", 143, "6", 0x0100, -1, 100, "MicHPFreUpDownBtn");
  Row(t, "EchoEffLevel", 100, "8", 0x0301, 0x0300);
  Row(t, "EchoDirectLevel", 100, "8", 0x0303, 0x0302);
  Row(t, "EchoHPFre", 241, "13", 0x0304, -1, 1, "EchoHPFreUpDownBtn");
  Row(t, "EchoLPFre", 194, "7", 0x0305, -1, 1, "EchoLPFreUpDownBtn");
  Row(t, "EchoPreDelay", 125, "11", 0x0306);
  Row(t, "EchoTime", 250, "11", 0x0307);
  Row(t, "EchoRepeat", 90, "8", 0x0308);
  Row(t, "EchoRTime", 100, "10", 0x0309);
  Row(t, "EchoRPreDelay", 50, "8", 0x030A);
  Row(t, "RvbEffLevel", 100, "8", 0x0401, 0x0400);
  Row(t, "RvbDirectLevel", 100, "8", 0x0403, 0x0402);
  Row(t, "RvbTime", 80, "12", 0x0404);
  Row(t, "RvbPreDelay", 100, "11", 0x0405);
  Row(t, "RvbHPFre", 241, "13", 0x0406, -1, 1, "RvbHPFreUpDownBtn");
  Row(t, "RvbLPFre", 194, "7", 0x0407, -1, 1, "RvbLPFreUpDownBtn");
  OutputRows(t, "Main", 5, 4, 100, 20);
  Row(t, "MainMusHPFre", 143, "6", 0x0510, -1, 100, "MainHPFreUpDownBtn");
  Row(t, "MainLdelay", 500, "18", 0x0518);
  Row(t, "MainRdelay", 500, "18", 0x0519);
  OutputRows(t, "Center", 7, 4, 100, 20);
  Row(t, "CenterMusHPFre", 143, "6", 0x0710, -1, 100, "CenterHPFreUpDownBtn");
  Row(t, "Centerdelay", 500, "18", 0x0718);
  OutputRows(t, "Sub", 6, 2, 200, 20);
  Row(t, "Subdelay", 500, "18", 0x0618);
  Row(t, "SubMusHPFre", 143, "6", 0x060A, -1, 100, "SubHPFreUpDownBtn");
  Row(t, "SubMusHPuserQ", 23, "19", 0x060C, -1, 15, "SubMusHPuserQUpDownBtn");
  Row(t, "SubMusLPFre", 143, "6", 0x0610, -1, 100, "SubLPFreUpDownBtn");
  Row(t, "SubMusLPuserQ", 23, "19", 0x0612, -1, 15, "SubMusLPuserQUpDownBtn");
  OutputRows(t, "Sur", 8, 4, 100, 18);
  Row(t, "SurMusHPFre", 143, "6", 0x0810, -1, 100, "SurHPFreUpDownBtn");
  Row(t, "SurLdelay", 500, "18", 0x0816);
  Row(t, "SurRdelay", 500, "18", 0x0817);

  // The volume triples: master on the page bar (Hint "0", at 10), start and limit on the System page.
  const struct {
    const char* role;
    const char* hint;
    int position;
    int columns[3];
  } triples[] = {{"NormalVol", "0", 10, {0x20, 0x21, 0x22}}, {"StartVol", "1", 50, {6, 8, 10}}, {"MaxVol", "2", 50, {7, 9, 11}}};
  const char* channels[] = {"Mus", "Mic", "Eff"};
  for (const auto& triple : triples)
    for (int c = 0; c < 3; ++c) {
      const std::string stem = std::string("Sys") + channels[c] + triple.role;
      Expected slider = Slider(stem + "Bar", 84, 0x0900 | triple.columns[c], triple.position);
      slider.hint = triple.hint;
      t.push_back(slider);
      t.push_back(Pane(stem + "Pane", "0"));
    }

  // The band columns: prefix, spin-button prefix, number-label prefix, bands, channel, band 1's
  // frequency slot.
  const struct {
    const char *prefix, *spin, *label;
    int bands, channel;
    const char* firstFrequency;
  } groups[] = {{"Mus", "Mus", "Mus", 10, 0, "5"},        {"Mic", "MIc", "Mic", 15, 1, "5"},
                {"Echo", "Echo", "Eff", 3, 3, "14"},      {"Main", "Main", "Main", 5, 5, "31"},
                {"Center", "Center", "Center", 5, 7, "29"}, {"Sub", "Sub", "Sub", 3, 6, "29"},
                {"Sur", "Sur", "Sur", 5, 8, "29"}};
  for (const auto& g : groups)
    for (int n = 1; n <= g.bands; ++n) {
      const std::string band = std::to_string(n), p = g.prefix, s = g.spin;
      t.push_back({.name = g.label + std::string("EQPointLabel") + band, .kind = Kind::Label, .caption = band,
                   .hint = g.firstFrequency, .tag = g.channel});
      for (const char* image : {"PEQBtn", "LSQBtn", "HSQBtn"}) t.push_back(Of(p + image + band, Kind::Image));
      t.push_back({.name = p + "ModeBox" + band, .kind = Kind::List, .caption = "PEQ|LSEQ|HSEQ", .hint = "1"});
      t.push_back({.name = p + "EQGainBar" + band, .kind = Kind::VerticalSlider, .max = 180, .position = 180});
      t.push_back({.name = p + "GainEdit" + band, .kind = Kind::Edit, .caption = "-24.0dB", .hint = "3"});
      t.push_back({.name = p + "FreEdit" + band, .kind = Kind::Edit, .caption = "20000.0", .hint = "2"});
      t.push_back({.name = p + "QEdit" + band, .kind = Kind::Edit, .caption = "128.00", .hint = "4"});
      for (const char* spin : {"GainUpDownBtn", "FreUpDownBtn", "QUpDownBtn"}) t.push_back(Spin(s + spin + band));
    }
  return t;
}

QString Joined(const QStringList& items) { return items.join(QLatin1Char('|')); }

// The caption, text or items a control shows; empty when its kind has none.
QString CaptionOf(QObject* control) {
  if (auto* b = qobject_cast<BmpButton*>(control)) return b->Caption();
  if (auto* l = qobject_cast<Label*>(control)) return l->Caption();
  if (auto* e = qobject_cast<Edit*>(control)) return e->Text();
  if (auto* c = qobject_cast<ComboBox*>(control)) return Joined(c->Items());
  if (auto* s = qobject_cast<TabSheet*>(control)) return s->Caption();
  return {};
}

bool IsKind(QObject* control, Kind kind) {
  switch (kind) {
    case Kind::Slider: return qobject_cast<TrackBar*>(control) && qobject_cast<TrackBar*>(control)->Orientation() == Qt::Horizontal;
    case Kind::VerticalSlider: return qobject_cast<TrackBar*>(control) && qobject_cast<TrackBar*>(control)->Orientation() == Qt::Vertical;
    case Kind::Edit: return qobject_cast<Edit*>(control);
    case Kind::List: return qobject_cast<ComboBox*>(control);
    case Kind::Pane: return qobject_cast<StatusPane*>(control);
    case Kind::Button: return qobject_cast<BmpButton*>(control);
    case Kind::Spin: return qobject_cast<SpinButtons*>(control);
    case Kind::Image: return qobject_cast<Image*>(control);
    case Kind::Label: return qobject_cast<Label*>(control);
    case Kind::Panel: return qobject_cast<Panel*>(control);
    case Kind::ScrollBox: return qobject_cast<ScrollBox*>(control);
    case Kind::Pages: return qobject_cast<PageControl*>(control);
    case Kind::Sheet: return qobject_cast<TabSheet*>(control);
    case Kind::Values: return qobject_cast<ValueList*>(control);
  }
  return false;
}

class WindowControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    form = new TForm1;
    form->show();
  }
  static void TearDownTestSuite() { delete form; }
  static TForm1* form;
};
TForm1* WindowControlsTest::form = nullptr;

// The design values: what the window holds before its first showing fills it from the image.
TEST_F(WindowControlsTest, EveryNamedControlExistsOnceWithItsKindAndDesignValues) {
  const TForm1 design;
  for (const Expected& e : ExpectedControls()) {
    SCOPED_TRACE(e.name);
    const QList<QObject*> found = design.findChildren<QObject*>(QString::fromStdString(e.name));
    ASSERT_EQ(found.size(), 1);
    QObject* control = found.front();
    EXPECT_TRUE(IsKind(control, e.kind));
    if (e.caption != "-") {
      EXPECT_EQ(CaptionOf(control), QString::fromStdString(e.caption));
    }
    if (e.hint != "-") {
      EXPECT_EQ(ControlDataOf(control)->Hint, QString::fromStdString(e.hint));
    }
    if (e.tag >= 0) {
      EXPECT_EQ(ControlDataOf(control)->Tag, e.tag);
    }
    if (auto* slider = qobject_cast<TrackBar*>(control); slider && e.max >= 0) {
      EXPECT_EQ(slider->Max(), e.max);
      if (e.position >= 0) {
        EXPECT_EQ(slider->Position(), e.position);
      }
    }
    if (e.kind != Kind::Sheet) {  // the page control shows one sheet at a time
      EXPECT_EQ(qobject_cast<QWidget*>(control)->isHidden(), e.hidden);
    }
    EXPECT_TRUE(control->objectName() == QString::fromStdString(e.name));
    EXPECT_TRUE(qobject_cast<QWidget*>(control)->toolTip().isEmpty());  // Hint is data, not a tooltip
  }
}

// The panel refresh tells buttons apart by their width: 13 pixels is the first of a radio group,
// 15 a phase button. No other button may have either width.
TEST_F(WindowControlsTest, OnlyRadioButtonsAre13AndOnlyPhaseButtons15PixelsWide) {
  for (BmpButton* button : form->findChildren<BmpButton*>()) {
    SCOPED_TRACE(button->objectName().toStdString());
    const QString name = button->objectName();
    const bool radio = name.contains(QStringLiteral("FBERadio")) || name.contains(QStringLiteral("HPslope")) ||
                       name.startsWith(QStringLiteral("SysInput")) || name.startsWith(QStringLiteral("SysMusInputLevel")) ||
                       name == QStringLiteral("SysUserBtn") || name == QStringLiteral("SysManagerBtn") ||
                       name.startsWith(QStringLiteral("SysPanelBtn"));
    const bool phase = name.endsWith(QStringLiteral("PhaseBtn"));
    EXPECT_EQ(button->Width() == 13, radio);
    EXPECT_EQ(button->Width() == 15, phase);
  }
}

TEST_F(WindowControlsTest, TheDisabledAtStartControlsAreDisabled) {
  for (const char* name : {"SubMusHPuserQBar", "SubMusLPuserQBar", "NewSysPassLabel1", "NewSysPassLabel2", "NewPassLabel1",
                           "NewPassLabel2", "RzBmpButton138", "SysUserMangerGrop"})
    EXPECT_FALSE(form->Control<QWidget>(name)->isEnabled()) << name;
  EXPECT_EQ(form->Control<Edit>("SysPassEdit")->maxLength(), 6);
  EXPECT_EQ(form->Control<Edit>("SysPassEdit")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(form->Control<Edit>("PassPanelLabel1")->echoMode(), QLineEdit::Normal);  // shown in clear
  EXPECT_EQ(form->Control<Edit>("NewPassLabel1")->maxLength(), 4);
  EXPECT_EQ(form->Control<Edit>("PanelPassWordEdit")->maxLength(), 6);
  EXPECT_EQ(form->Control<Edit>("PresetModeEdit")->maxLength(), 20);
  EXPECT_TRUE(form->Control<Edit>("ComEQFreEdit")->isReadOnly());
}

TEST_F(WindowControlsTest, TheMicBoxShowsTenOfItsFifteenColumnsAndScrollsByOneColumnPerStep) {
  auto* box = form->Control<ScrollBox>("MicScrollBox");
  EXPECT_EQ(box->viewport()->width(), 10 * 72);
  EXPECT_EQ(box->widget()->width(), 15 * 72);
  EXPECT_EQ(form->Control<TrackBar>("MicPanScrollBar")->Max(), 5);
  box->SetHorzScrollPosition(5 * 72);
  EXPECT_EQ(box->HorzScrollPosition(), 5 * 72);
  box->SetHorzScrollPosition(0);
}

// Each mark of the common gain slider's scale sits at its own step; the bottom one reads -24.
TEST_F(WindowControlsTest, TheGainScaleMarksSitAtTheirSteps) {
  auto* slider = form->Control<TrackBar>("ComEQGainBar");
  const std::map<QString, int> steps{{"+12﹣", 180}, {"+6 ﹣", 150}, {" 0 ﹣", 120}, {"-6 ﹣", 90},
                                     {"-12﹣", 60},  {"-18 ﹣", 30}, {"-24﹣", 0}};
  int found = 0;
  for (Label* mark : form->Control<QWidget>("EQCotrolGrop")->findChildren<Label*>()) {
    const auto step = steps.find(mark->Caption());
    if (step == steps.end()) continue;
    ++found;
    const int thumbCentre = slider->mapTo(mark->parentWidget(), QPoint(0, slider->CentreAt(step->second))).y();
    EXPECT_NEAR(mark->geometry().center().y(), thumbCentre, 1) << mark->Caption().toStdString();
  }
  EXPECT_EQ(found, 7);
}

TEST_F(WindowControlsTest, TheGraphTimerTicksEvery15Ms) {
  auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 15);
}

// The binding reads the same tables the pages are built from: every row control's address.
TEST(PanelTablesAddressTest, RowControlsCarryTheirParameters) {
  std::map<std::string, int> bound;
  const auto take = [&](const PageRow& row) {
    if (!row.slider.empty()) bound[row.slider] = row.address;
    if (!row.list.empty()) bound[row.list] = row.address;
    if (!row.phase.empty()) bound[row.phase] = row.phaseAddress;
    for (const RowButton& b : row.buttons) bound[b.name] = row.type == RowType::Toggle ? b.address : row.address;
  };
  for (int page = 0; page < SystemPage; ++page)
    for (const RowColumn& column : PageRows(page))
      for (const PageRow& row : column) take(row);
  for (const auto* rows : {&MasterVolumeRows(), &VolumeManagementRows(), &SystemRadioRows()})
    for (const PageRow& row : *rows) take(row);

  for (const Expected& e : ExpectedControls()) {
    if (e.address < 0) continue;
    SCOPED_TRACE(e.name);
    ASSERT_TRUE(bound.count(e.name));
    EXPECT_EQ(bound[e.name], e.address);
  }
}

}  // namespace
