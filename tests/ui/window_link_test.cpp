// The main window's side of the link: the Connect/Disconnect pair, the status texts, the preset
// list and the panel follow the session.

#include <gtest/gtest.h>

#include "../link/fake_link_host.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_table.h"
#include "label.h"
#include "link_texts.h"
#include "main_form.h"
#include "param_image.h"
#include "process_state.h"
#include "track_bar.h"

namespace {

class WindowLinkTest : public ::testing::Test {
 protected:
  WindowLinkTest() {
    ResetProcessState();
    host.window = &form;
    sessionState.host = &host;
    form.show();
  }
  ~WindowLinkTest() override { ResetProcessState(); }

  // True when the button shows the picture kept in the given slot.
  static bool Shows(const BmpButton* button, const QPixmap& picture) {
    return !picture.isNull() && button->Up().cacheKey() == picture.cacheKey();
  }

  FakeHost host;
  TForm1 form;
  BmpButton* connect = form.Control<BmpButton>("LinkBtn");
  BmpButton* disconnect = form.Control<BmpButton>("UnLinkBtn");
};

TEST_F(WindowLinkTest, ThePressedButtonOfThePairIsLitAndTheOtherOff) {
  form.SelectLinkButton(true);
  EXPECT_TRUE(Shows(connect, connect->Down()));
  EXPECT_TRUE(Shows(disconnect, disconnect->Disabled()));
  EXPECT_TRUE(connect->isChecked());
  form.SelectLinkButton(false);
  EXPECT_TRUE(Shows(connect, connect->Disabled()));
  EXPECT_TRUE(Shows(disconnect, disconnect->Down()));
  EXPECT_FALSE(connect->isChecked());
}

TEST_F(WindowLinkTest, ConnectStartsTheScanAndTheStatusTextsFollowTheSession) {
  host.ports = {"ttyS0"};
  connect->Click();
  auto* label = form.Control<Label>("LinkLabel");
  EXPECT_EQ(label->Caption(), QString("Equipment search..."));

  SetLinkLabel("Unlink", 0xFF0000);
  EXPECT_EQ(label->Caption(), QString("Unlink"));
  EXPECT_EQ(label->FontColor(), QColor(255, 0, 0));
  linkTexts.DeviceIDLabel = "20240601";
  SetLinkLabel("Device is Connected");
  EXPECT_EQ(form.Control<Label>("DeviceIDLabel")->Caption(), QString("20240601"));

  disconnect->Click();
  EXPECT_EQ(label->Caption(), QString("设备未连接"));
}

TEST_F(WindowLinkTest, PresetListIsRebuiltFromTheNamesKeepingTheChoice) {
  auto* presets = form.Control<ComboBox>("SysModeBox");
  presets->SetItemIndex(3);
  paramImage.PresetNames[0] = "Pop";
  paramImage.PresetNames[3] = "Live";
  form.RebuildPresetList();
  ASSERT_EQ(presets->Items().size(), 15);
  EXPECT_EQ(presets->Items()[0], QString("1-Pop"));
  EXPECT_EQ(presets->Items()[3], QString("4-Live"));
  EXPECT_EQ(presets->Items()[14], QString("15-"));
  EXPECT_EQ(presets->ItemIndex(), 3);
}

TEST_F(WindowLinkTest, AFinishedTransferShowsTheImageOnTheControls) {
  paramImage.DeviceTable[5][22] = 30;  // Main limiter level
  RunLinkAction(1);
  EXPECT_EQ(form.Control<TrackBar>("MainRmsLevelBar")->Position(), 30);
}

TEST_F(WindowLinkTest, AClosedWindowLeavesNothingBehindForTheLink) {
  auto* window = new TForm1;
  host.window = window;
  window->show();
  delete window;
  host.window = nullptr;
  SetLinkLabel("Unlink");  // nothing refers to the deleted window's controls any more
  EXPECT_EQ(panelControls.form, nullptr);
}

}  // namespace
