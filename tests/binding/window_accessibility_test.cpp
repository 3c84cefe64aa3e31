// The window as a screen reader and a keyboard user meet it: every control of the tables has a role
// and a name, sliders report their row's range and the value shown, a keyboard change reaches the
// device as the same frames as the mouse's, and Tab walks a page in reading order.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <functional>

#include "bmp_button.h"
#include "combo_box.h"
#include "edit.h"
#include "graph_state.h"
#include "panel_fixture.h"
#include "panel_tables.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

using WindowAccessibilityTest = PanelTest;

struct Expected {
  std::string control;
  QAccessible::Role role;
};

// Every control the tables name, with the role it must report.
std::vector<Expected> TableControls() {
  std::vector<Expected> all;
  for (const PageInfo& page : Pages) all.push_back({page.button, QAccessible::PageTab});
  for (const PageRow* row : AllRows()) {
    switch (row->type) {
      case RowType::Slider:
        all.push_back({row->slider, QAccessible::Slider});
        all.push_back({row->pane, QAccessible::StaticText});
        if (!row->phase.empty()) all.push_back({row->phase, QAccessible::CheckBox});
        if (!row->spin.empty()) all.push_back({row->spin, QAccessible::SpinBox});
        break;
      case RowType::Choice:
        all.push_back({row->list, QAccessible::ComboBox});
        for (const RowButton& b : row->buttons) all.push_back({b.name, QAccessible::RadioButton});
        break;
      case RowType::Radio:
        for (const RowButton& b : row->buttons) all.push_back({b.name, QAccessible::RadioButton});
        break;
      case RowType::Pair:
      case RowType::Toggle:
        // On/off buttons; "EQ Reset" alone is a command.
        for (const RowButton& b : row->buttons)
          all.push_back({b.name, b.name == "EQResetBtn" ? QAccessible::Button : QAccessible::CheckBox});
        break;
    }
  }
  for (const EqGroup& group : EqGroups)
    for (int band = 1; band <= BandCountOf(group); ++band) {
      const auto add = [&](BandPart part, QAccessible::Role role) { all.push_back({BandControlName(group, part, band), role}); };
      add(BandPart::PointLabel, QAccessible::StaticText);
      for (BandPart part : {BandPart::PeqImage, BandPart::LsqImage, BandPart::HsqImage}) add(part, QAccessible::Graphic);
      add(BandPart::ModeBox, QAccessible::ComboBox);
      add(BandPart::GainBar, QAccessible::Slider);
      for (BandPart part : {BandPart::GainEdit, BandPart::FreEdit, BandPart::QEdit}) add(part, QAccessible::EditableText);
      for (BandPart part : {BandPart::GainSpin, BandPart::FreSpin, BandPart::QSpin}) add(part, QAccessible::SpinBox);
    }
  for (const BandEditorColumn& column : BandEditorColumns) {
    all.push_back({column.slider, QAccessible::Slider});
    all.push_back({column.edit, QAccessible::EditableText});
    all.push_back({column.spin, QAccessible::SpinBox});
  }
  for (int handle = 0; handle < GraphSlotCount; ++handle) all.push_back({GraphHandleName(handle), QAccessible::Graphic});
  for (const char* name : {"RzBmpButton1", "RzBmpButton2", "RzBmpButton3", "RzBmpButton118", "RzBmpButton121",
                           "RzBmpButton120", "RzBmpButton119", "RzBmpButton4"})
    all.push_back({name, QAccessible::Button});
  for (const char* name : {"SysPassEdit", "PresetModeEdit", "FileEdit", "PanelPassWordEdit", "SysPanelLabel1", "NewPassLabel2"})
    all.push_back({name, QAccessible::EditableText});
  return all;
}

QAccessibleInterface* Iface(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

TEST_F(WindowAccessibilityTest, EveryControlOfTheTablesHasItsRoleAndAName) {
  for (const Expected& e : TableControls()) {
    SCOPED_TRACE(e.control);
    QWidget* control = C<QWidget>(e.control);
    ASSERT_NE(control, nullptr);
    QAccessibleInterface* iface = Iface(control);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), e.role);
    EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty());
  }
}

TEST_F(WindowAccessibilityTest, NamesComeFromRowCaptionsBandsAndCaptions) {
  const std::pair<const char*, const char*> cases[] = {
      {"MainMusLevelBar", "Music Level"},      {"MainMusLevelPane", "Music Level"},
      {"MainMusPhaseBtn", "Music Level phase"}, {"MicEQGainBar3", "MIC band 3 gain"},
      {"MIcFreUpDownBtn15", "MIC band 15 frequency"}, {"SurQEdit2", "SUR output band 2 Q"},
      {"MicFBERadioBtn3", "MIC FBE 2"},         {"MicABtn", "MIC A group"},
      {"FormTabBtn1", "Music"},                 {"RzBmpButton120", "Save date in PC"},
      {"EP3", "band 3"},                        {"LPF", "LPF"},
      {"SysPassEdit", "System Password"},       {"RzBmpButton3", "Close"},
  };
  for (const auto& [control, name] : cases) {
    SCOPED_TRACE(control);
    EXPECT_EQ(Iface(C<QWidget>(control))->text(QAccessible::Name), QString::fromUtf8(name));
  }
}

TEST_F(WindowAccessibilityTest, SlidersReportTheirRowsRangeAndTheValueShown) {
  C<BmpButton>("FormTabBtn4")->Click();
  for (const PageRow* row : AllRows()) {
    if (row->type != RowType::Slider) continue;
    SCOPED_TRACE(row->slider);
    auto* slider = C<TrackBar>(row->slider);
    QAccessibleValueInterface* value = Iface(slider)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), row->max);
    EXPECT_EQ(value->currentValue().toInt(), slider->Position());
    const QString shown = C<StatusPane>(row->pane)->Caption();
    EXPECT_EQ(Iface(slider)->text(QAccessible::Value),
              row->unit.empty() ? shown : shown + ' ' + QString::fromStdString(row->unit));
  }
  // A band gain slider reads as its gain edit shows it, after any change.
  auto* gain = C<TrackBar>("MainEQGainBar2");
  gain->SetPosition(105);
  EXPECT_EQ(Iface(gain)->text(QAccessible::Value), C<Edit>("MainGainEdit2")->Text());
  EXPECT_EQ(Iface(gain)->text(QAccessible::Value), QStringLiteral("-3.0"));
  auto* hpf = C<TrackBar>("MainMusHPFreBar");
  hpf->SetPosition(0);
  EXPECT_EQ(Iface(hpf)->text(QAccessible::Value), C<StatusPane>("MainMusHPFrePane")->Caption());
}

// A change made with the keyboard and the same change made with the mouse, each from the same state.
struct KeyAndMouse {
  const char* what;
  const char* page;
  std::function<void(TForm1&)> prepare;  // brings the control to the start; its frames are dropped
  std::function<void(TForm1&)> key;
  std::function<void(TForm1&)> mouse;
};

QPoint SliderEnd(TrackBar* bar) {
  return bar->Orientation() == Qt::Horizontal ? QPoint(bar->width() - 1, bar->height() / 2) : QPoint(bar->width() / 2, 0);
}

TEST_F(WindowAccessibilityTest, AKeyboardChangeSendsTheFramesOfTheSameMouseChange) {
  const auto slider = [](const char* name) { return [name](TForm1& f) { return f.Control<TrackBar>(name); }; };
  const auto button = [](const char* name) { return [name](TForm1& f) { return f.Control<BmpButton>(name); }; };
  const auto toMiddle = [](auto find) { return [find](TForm1& f) { find(f)->SetPosition(find(f)->Max() / 2); }; };
  const auto endKey = [](auto find) { return [find](TForm1& f) { QTest::keyClick(find(f), Qt::Key_End); }; };
  const auto endClick = [](auto find) {
    return [find](TForm1& f) { QTest::mouseClick(find(f), Qt::LeftButton, {}, SliderEnd(find(f))); };
  };
  const auto turned = [](auto find, bool on) {
    return [find, on](TForm1& f) {
      if (find(f)->isChecked() != on) find(f)->Click();
    };
  };
  const auto press = [](auto find, Qt::Key key) { return [find, key](TForm1& f) { QTest::keyClick(find(f), key); }; };
  const auto click = [](auto find) { return [find](TForm1& f) { QTest::mouseClick(find(f), Qt::LeftButton); }; };

  const KeyAndMouse cases[] = {
      {"row slider", "FormTabBtn4", toMiddle(slider("MainRmsRatioBar")), endKey(slider("MainRmsRatioBar")),
       endClick(slider("MainRmsRatioBar"))},
      {"band gain slider", "FormTabBtn1", toMiddle(slider("MusEQGainBar4")), endKey(slider("MusEQGainBar4")),
       endClick(slider("MusEQGainBar4"))},
      {"master volume", "FormTabBtn1", toMiddle(slider("SysMicNormalVolBar")), endKey(slider("SysMicNormalVolBar")),
       endClick(slider("SysMicNormalVolBar"))},
      {"phase button", "FormTabBtn3", turned(button("EchoEffPhaseBtn"), true), press(button("EchoEffPhaseBtn"), Qt::Key_Space),
       click(button("EchoEffPhaseBtn"))},
      {"mute", "FormTabBtn4", turned(button("MainLmuteBtn"), false), press(button("MainLmuteBtn"), Qt::Key_Return),
       click(button("MainLmuteBtn"))},
      {"Sing/Disco", "FormTabBtn1", click(button("SingModeBtn")), press(button("DiscoModeBtn"), Qt::Key_Space),
       click(button("DiscoModeBtn"))},
      {"radio group", "FormTabBtn2", click(button("MicFBERadioBtn1")), press(button("MicFBERadioBtn1"), Qt::Key_Right),
       click(button("MicFBERadioBtn2"))},
  };
  for (const KeyAndMouse& c : cases) {
    SCOPED_TRACE(c.what);
    C<BmpButton>(c.page)->Click();
    c.prepare(*form);
    Sends();
    c.key(*form);
    const std::vector<Sent> byKey = Sends();
    c.prepare(*form);
    Sends();
    c.mouse(*form);
    const std::vector<Sent> byMouse = Sends();
    EXPECT_FALSE(byKey.empty());
    EXPECT_EQ(byKey, byMouse);
  }
}

TEST_F(WindowAccessibilityTest, ThePageButtonsAreReachedAndPressedFromTheKeyboard) {
  auto* music = C<BmpButton>(Pages[MusicPage].button);
  music->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(form->focusWidget(), C<BmpButton>(Pages[MicPage].button));
  QTest::keyClick(form->focusWidget(), Qt::Key_Space);
  EXPECT_EQ(ChannelOf(bindingState.CurrentPageAddress), Pages[MicPage].channel);
  EXPECT_TRUE(C<BmpButton>(Pages[MicPage].button)->isChecked());
  EXPECT_TRUE(C<QWidget>(Pages[MicPage].sheet)->isVisible());
}

// The focusable controls of a page in reading order: its row columns left to right, each row's
// controls left to right, then the band columns, each top to bottom.
std::vector<std::string> ReadingOrder(int page) {
  std::vector<std::string> order;
  for (const RowColumn& column : PageRows(page))
    for (const PageRow& row : column) {
      if (!row.slider.empty()) order.push_back(row.slider);
      if (!row.phase.empty()) order.push_back(row.phase);
      if (!row.list.empty()) order.push_back(row.list);
      if (row.type != RowType::Choice)
        for (const RowButton& b : row.buttons) order.push_back(b.name);
    }
  const EqGroup& group = EqGroups[static_cast<std::size_t>(page)];
  for (int band = 1; band <= BandCountOf(group); ++band)
    for (BandPart part : {BandPart::ModeBox, BandPart::GainBar, BandPart::GainEdit, BandPart::FreEdit, BandPart::QEdit})
      order.push_back(BandControlName(group, part, band));
  return order;
}

TEST_F(WindowAccessibilityTest, TabWalksAPageInReadingOrder) {
  for (int page : {MainPage, EffectPage}) {
    SCOPED_TRACE(page);
    C<BmpButton>(Pages[static_cast<std::size_t>(page)].button)->Click();
    const std::vector<std::string> expected = ReadingOrder(page);
    QWidget* sheet = C<QWidget>(Pages[static_cast<std::size_t>(page)].sheet);
    C<QWidget>(expected.front())->setFocus(Qt::TabFocusReason);
    std::vector<std::string> walked{expected.front()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
      QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
      QWidget* now = form->focusWidget();
      ASSERT_TRUE(now && sheet->isAncestorOf(now)) << "left the page after " << walked.back();
      walked.push_back(now->objectName().toStdString());
    }
    EXPECT_EQ(walked, expected);
    // Shift+Tab walks back.
    QTest::keyClick(form->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(form->focusWidget()->objectName().toStdString(), expected[expected.size() - 2]);
  }
}

}  // namespace
