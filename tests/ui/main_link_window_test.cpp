// The main window's side of the link: the Connect/Disconnect pair, the status texts and the preset
// list follow the session.

#include "main_link_window.h"

#include <gtest/gtest.h>

#include "../link/fake_link_host.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "label.h"
#include "link_texts.h"
#include "main_form.h"
#include "param_image.h"

namespace {

// Clears the link's process-wide state before the window below hooks itself into it.
struct FreshLinkState {
  FreshLinkState() {
    linkTexts = {};
    paramImage = {};
    sessionState = {};
  }
  ~FreshLinkState() {
    linkTexts = {};
    sessionState = {};
  }
};

class MainLinkWindowTest : public ::testing::Test {
 protected:
  MainLinkWindowTest() { sessionState.host = &host; }

  // True when the button shows the picture kept in the given slot.
  static bool Shows(const BmpButton* button, const QPixmap& picture) {
    return !picture.isNull() && button->Up().cacheKey() == picture.cacheKey();
  }

  FreshLinkState fresh;
  FakeHost host;
  TForm1 form;
  MainLinkWindow window{form};
  BmpButton* connect = form.Control<BmpButton>("LinkBtn");
  BmpButton* disconnect = form.Control<BmpButton>("UnLinkBtn");
};

TEST_F(MainLinkWindowTest, ThePressedButtonOfThePairIsLitAndTheOtherOff) {
  window.SelectLinkButton(true);
  EXPECT_TRUE(Shows(connect, connect->Down()));
  EXPECT_TRUE(Shows(disconnect, disconnect->Disabled()));
  window.SelectLinkButton(false);
  EXPECT_TRUE(Shows(connect, connect->Disabled()));
  EXPECT_TRUE(Shows(disconnect, disconnect->Down()));
}

TEST_F(MainLinkWindowTest, ConnectStartsTheScanAndTheStatusTextsFollowTheSession) {
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

TEST_F(MainLinkWindowTest, PresetListIsRebuiltFromTheNamesKeepingTheChoice) {
  auto* presets = form.Control<ComboBox>("SysModeBox");
  presets->SetItemIndex(3);
  paramImage.PresetNames[0] = "Pop";
  paramImage.PresetNames[3] = "Live";
  window.RebuildPresetList();
  ASSERT_EQ(presets->Items().size(), 15);
  EXPECT_EQ(presets->Items()[0], QString("1-Pop"));
  EXPECT_EQ(presets->Items()[3], QString("4-Live"));
  EXPECT_EQ(presets->Items()[14], QString("15-"));
  EXPECT_EQ(presets->ItemIndex(), 3);
}

}  // namespace
