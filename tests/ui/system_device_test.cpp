// The System page and the mode library against the virtual device: a mode file brings a saved set
// back into the device, presets are saved and recalled, a password change reaches the device, and
// the device's key lock holds the panel at connection.

#include <QTemporaryDir>
#include <QTest>

#include "../binding/window_device_fixture.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "edit.h"
#include "mode_file.h"
#include "mode_folders.h"
#include "page_control.h"
#include "panel_tables.h"
#include "track_bar.h"

namespace {

class SystemDeviceTest : public WindowDeviceTest {
 protected:
  void SetUp() override {
    WindowDeviceTest::SetUp();
    modeFolders.ModeFolder = std::filesystem::path(temp.path().toStdString());
    form.RefreshModeList();
    C<BmpButton>("FormTabBtn8")->Click();
  }
  // The columns a channel upload carries, as the device holds them.
  std::vector<std::int32_t> Uploaded(int channel) const {
    const auto& row = Device()[channel];
    return {row.begin(), row.begin() + ModeLastColumn(channel)};
  }
  std::vector<std::vector<std::int32_t>> SoundChannels() const {
    std::vector<std::vector<std::int32_t>> rows;
    for (int c = 0; c <= ModeFileLastChannel; ++c) rows.push_back(Uploaded(c));
    return rows;
  }
  bool Said(const std::string& text) const {
    for (const auto& s : shown.shown)
      if (s.text == text) return true;
    return false;
  }
  void Type(const char* name, const QString& keys) { QTest::keyClicks(C<Edit>(name), keys); }
  void Enter(const char* name) { QTest::keyClick(C<Edit>(name), Qt::Key_Return); }

  QTemporaryDir temp;
};

TEST_F(SystemDeviceTest, AModeFileBringsTheSavedSetBackIntoTheDevice) {
  const auto saved = SoundChannels();
  C<Edit>("FileEdit")->SetText(QStringLiteral("Backup"));
  C<BmpButton>("RzBmpButton120")->Click();
  ASSERT_EQ(modeFolders.ModeFileNames, std::vector<std::string>{"Backup"});

  C<BmpButton>("FormTabBtn4")->Click();
  C<TrackBar>("MainMusLevelBar")->setValue(Device()[5][0] == 77 ? 78 : 77);
  C<TrackBar>("MainEQGainBar2")->setValue(Device()[5][37] == 150 ? 151 : 150);
  C<BmpButton>("FormTabBtn2")->Click();
  C<TrackBar>("MicHPFreBar")->setValue(Device()[1][0] == 12 ? 13 : 12);
  RunUntilSettled();
  ASSERT_NE(SoundChannels(), saved);

  C<BmpButton>("FormTabBtn8")->Click();
  C<BmpButton>("RzBmpButton119")->Click();
  RunUntilSettled();
  EXPECT_EQ(SoundChannels(), saved);
  C<BmpButton>("FormTabBtn4")->Click();
  EXPECT_EQ(C<TrackBar>("MainMusLevelBar")->Position(), saved[5][0]);
  EXPECT_FALSE(Said("文件不存在"));
}

TEST_F(SystemDeviceTest, APresetIsSavedUnderItsNameAndRecalled) {
  Type("SysPassEdit", QString::fromStdString(device.memory().systemPassword));
  C<BmpButton>("RzBmpButton118")->Click();
  C<BmpButton>("SysManagerBtn")->Click();
  RunUntilSettled();
  ASSERT_EQ(Device()[9][12], 1);

  auto* presets = C<ComboBox>("SysModeBox");
  presets->SetItemIndex(2);
  C<Edit>("PresetModeEdit")->SetText(QStringLiteral("Party"));
  C<BmpButton>("RzBmpButton138")->Click();
  RunUntilSettled();
  EXPECT_TRUE(Said("Save OK!"));
  EXPECT_EQ(device.memory().presets[2].name, FitPresetName("Party"));
  EXPECT_EQ(presets->Items()[2], QStringLiteral("3-Party"));
  const auto atSave = SoundChannels();

  C<BmpButton>("FormTabBtn4")->Click();
  C<TrackBar>("MainMusLevelBar")->setValue(Device()[5][0] == 5 ? 6 : 5);
  RunUntilSettled();
  C<BmpButton>("FormTabBtn8")->Click();
  presets->SetItemIndex(2);
  C<BmpButton>("RzBmpButton121")->Click();
  RunUntilSettled();
  EXPECT_EQ(SoundChannels(), atSave);
  EXPECT_EQ(C<TrackBar>("MainMusLevelBar")->Position(), atSave[5][0]);
}

TEST_F(SystemDeviceTest, TheKeyLockPasswordChangeReachesTheDevice) {
  const std::string old = device.memory().keyLockPassword;
  const std::string next = old == "4321" ? "1234" : "4321";
  Type("PassPanelLabel1", QString::fromStdString(old));
  Enter("PassPanelLabel1");
  Type("NewPassLabel1", QString::fromStdString(next));
  Enter("NewPassLabel1");
  Type("NewPassLabel2", QString::fromStdString(next));
  Enter("NewPassLabel2");
  RunUntilSettled();
  EXPECT_EQ(device.memory().keyLockPassword, next);
  EXPECT_EQ(paramImage.PanelPassword, next);
  EXPECT_TRUE(shown.shown.empty());
}

class KeyLockedDeviceTest : public WindowDeviceTest {
 protected:
  void SetUp() override {
    device.memory().rows[9][13] = 1;  // the key lock is on
    WindowDeviceTest::SetUp();
  }
  bool Locked() { return C<QWidget>("FirstCheckGrop")->isVisible(); }
};

TEST_F(KeyLockedDeviceTest, TheLockHoldsThePanelOncePerConnection) {
  ASSERT_TRUE(Locked());
  EXPECT_EQ(C<PageControl>("FormPageItem")->ActivePageIndex(), SystemPage);
  EXPECT_FALSE(C<QWidget>("TopTileGrop")->isEnabled());
  QTest::keyClicks(C<Edit>("PanelPassWordEdit"), QString::fromStdString(device.memory().keyLockPassword));
  C<BmpButton>("RzBmpButton4")->Click();
  EXPECT_FALSE(Locked());
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].text, "Unlock Success");

  C<BmpButton>("DiscoModeBtn")->Click();  // a refresh of the same connection
  RunUntilSettled();
  EXPECT_FALSE(Locked());

  C<BmpButton>("LinkBtn")->Click();
  RunUntilSettled();
  EXPECT_TRUE(Locked());
}

}  // namespace
