// The System page on the real window: the system password and the user level, the changes of both
// device passwords key by key, the lock panel, and the recall and save of the device's presets.

#include <QTest>

#include <functional>

#include "../binding/panel_fixture.h"
#include "../link/fake_link_host.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "diagnostic_log.h"
#include "edit.h"
#include "link_texts.h"
#include "page_control.h"
#include "panel_refresh.h"
#include "panel_tables.h"
#include "system_addresses.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// One frame the panel wrote: its address and its data bytes as they are.
struct Written {
  ParamAddress address;
  Bytes data;
  bool operator==(const Written&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Written& w) {
  out << std::hex << "0x" << w.address << " [";
  for (int b : w.data) out << ' ' << b;
  return out << " ]" << std::dec;
}

class SystemPageTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    C<BmpButton>("FormTabBtn8")->Click();
  }

  // Every frame written since the last call, acknowledged or not.
  std::vector<Written> Frames() {
    std::vector<Written> frames;
    for (const auto& bytes : port.writes)
      frames.push_back({bytes[4] << 8 | bytes[5], Bytes(bytes.begin() + 6, bytes.end() - 1)});
    port.writes.clear();
    return frames;
  }
  static Bytes Digits(const std::string& text) {
    Bytes digits;
    for (char c : text) digits.push_back(static_cast<std::uint8_t>(c - '0'));
    return digits;
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& s : shown.shown) texts.push_back(s.text);
    shown.shown.clear();
    return texts;
  }
  // The refresh after a download, which also leaves the preset list and the groups as it finds them.
  void Downloaded() {
    RefreshPanel(20);
    port.writes.clear();
  }
  // Keys as typed, each going to the field's key handler first.
  static void Type(Edit* field, const QString& keys) { QTest::keyClicks(field, keys); }
  static void Enter(Edit* field) { QTest::keyClick(field, Qt::Key_Return); }
};

// ---- the system password and the user level

TEST_F(SystemPageTest, OnlyDigitsReachThePasswordFields) {
  for (const char* name : {"SysPassEdit", "PanelPassWordEdit", "SysPanelLabel1", "PassPanelLabel1"}) {
    SCOPED_TRACE(name);
    auto* field = C<Edit>(name);
    field->setEnabled(true);
    field->setFocus();
    Type(field, QStringLiteral("1a2-3 .4"));
    EXPECT_EQ(field->Text(), QStringLiteral("1234"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), QStringLiteral("123"));
  }
}

TEST_F(SystemPageTest, AWrongOrMissingSystemPasswordIsAnErrorAndSendsNothing) {
  struct Case {
    const char* what;
    std::string stored;
    QString typed;
  };
  const Case cases[] = {
      {"before the first download", "", QString()},
      {"before the first download, six digits", "", QStringLiteral("123456")},
      {"wrong", "888888", QStringLiteral("888887")},
      {"too short", "888888", QStringLiteral("88888")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    paramImage.SystemPassword = c.stored;
    Type(C<Edit>("SysPassEdit"), c.typed);
    C<BmpButton>("RzBmpButton118")->Click();
    ASSERT_EQ(shown.shown.size(), 1u);
    EXPECT_EQ(shown.shown[0].caption, "prompt");
    EXPECT_EQ(shown.shown[0].text, "Password error");
    EXPECT_EQ(shown.shown[0].buttons, DialogButtons::Ok);
    shown.shown.clear();
    EXPECT_TRUE(C<Edit>("SysPassEdit")->Text().isEmpty());
    EXPECT_FALSE(C<QWidget>("SysUserMangerGrop")->isEnabled());
    EXPECT_TRUE(Frames().empty());
  }
}

TEST_F(SystemPageTest, TheSystemPasswordOpensTheUserLevelChoiceOnceAndIsSentBack) {
  paramImage.SystemPassword = "888888";
  Downloaded();
  Type(C<Edit>("SysPassEdit"), QStringLiteral("888888"));
  C<BmpButton>("RzBmpButton118")->Click();
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(C<Edit>("SysPassEdit")->Text().isEmpty());
  EXPECT_TRUE(C<QWidget>("SysUserMangerGrop")->isEnabled());
  EXPECT_EQ(Frames(), (std::vector<Written>{{SystemPasswordAddress, Digits("888888")}}));

  port.Feed({AckStart, AckOk});
  C<BmpButton>("SysManagerBtn")->Click();
  EXPECT_EQ(Frames(), (std::vector<Written>{{0x090C, {1, 0}}}));
  EXPECT_FALSE(C<QWidget>("SysUserMangerGrop")->isEnabled());
  EXPECT_TRUE(C<QWidget>("RzBmpButton138")->isEnabled());
  EXPECT_TRUE(C<QWidget>("SignRzGroup")->isEnabled());
}

TEST_F(SystemPageTest, TheRightSystemPasswordWithoutALinkDoesNothingMore) {
  paramImage.SystemPassword = "888888";
  sendState.LinkState = 0;
  Type(C<Edit>("SysPassEdit"), QStringLiteral("888888"));
  C<BmpButton>("RzBmpButton118")->Click();
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(C<Edit>("SysPassEdit")->Text().isEmpty());
  EXPECT_FALSE(C<QWidget>("SysUserMangerGrop")->isEnabled());
  EXPECT_TRUE(Frames().empty());
}

// ---- changing a password, key by key

class PasswordChangeTest : public SystemPageTest, public ::testing::WithParamInterface<const PasswordChangeFields*> {
 protected:
  void SetUp() override {
    SystemPageTest::SetUp();
    old = C<Edit>(change().fields[0]);
    fresh = C<Edit>(change().fields[1]);
    again = C<Edit>(change().fields[2]);
    Stored() = Code('1');
  }
  const PasswordChangeFields& change() const { return *GetParam(); }
  std::string& Stored() { return paramImage.*change().stored; }
  // A password of the change's length: "1111", "123456", ...
  std::string Code(char first) const {
    std::string code;
    for (int i = 0; i < change().length; ++i) code += static_cast<char>('0' + (first - '0' + i) % 10);
    return code;
  }
  static QString Q(const std::string& text) { return QString::fromStdString(text); }
  // Types the old password and the two new ones, each followed by the extra key that moves on.
  void Enter3(const std::string& newCode, const std::string& againCode) {
    Type(old, Q(Stored()));
    Enter(old);
    Type(fresh, Q(newCode));
    Enter(fresh);
    Type(again, Q(againCode));
    Enter(again);
  }
  void ExpectReset() {
    for (Edit* field : {old, fresh, again}) EXPECT_TRUE(field->Text().isEmpty()) << field->objectName().toStdString();
    EXPECT_FALSE(fresh->isEnabled());
    EXPECT_FALSE(again->isEnabled());
  }

  Edit* old = nullptr;
  Edit* fresh = nullptr;
  Edit* again = nullptr;
};

TEST_P(PasswordChangeTest, EachFieldOpensOneKeyAfterTheEntryBeforeItIsComplete) {
  const std::string stored = Stored(), next = Code('5');
  Type(old, Q(stored));
  EXPECT_FALSE(fresh->isEnabled()) << "the last digit is not in the field yet when its key is handled";
  Enter(old);
  EXPECT_TRUE(fresh->isEnabled());
  EXPECT_FALSE(again->isEnabled());
  Type(fresh, Q(next));
  EXPECT_FALSE(again->isEnabled());
  Enter(fresh);
  EXPECT_TRUE(again->isEnabled());
  Type(again, Q(next));
  EXPECT_TRUE(Frames().empty());
  // Any key completes the change, a digit too: it must not land in the emptied field.
  QTest::keyClick(again, Qt::Key_9);

  EXPECT_EQ(Frames(), (std::vector<Written>{{change().address, Digits(next)}}));
  EXPECT_EQ(Stored(), next);
  EXPECT_TRUE(shown.shown.empty());
  ExpectReset();
}

TEST_P(PasswordChangeTest, ALetterIsKeptOutButStillMovesTheChangeOn) {
  Type(old, Q(Stored()));
  QTest::keyClick(old, Qt::Key_X);
  EXPECT_EQ(old->Text(), Q(Stored()));
  EXPECT_TRUE(fresh->isEnabled());
}

TEST_P(PasswordChangeTest, TwoDifferentNewPasswordsAreRefusedAndNothingIsSent) {
  const std::string stored = Stored();
  Enter3(Code('5'), Code('6'));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Password different!"});
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(Stored(), stored);
  ExpectReset();
}

TEST_P(PasswordChangeTest, TheOldPasswordAgainChangesNothing) {
  const std::string stored = Stored();
  Enter3(stored, stored);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(Stored(), stored);
  ExpectReset();
}

TEST_P(PasswordChangeTest, TheNewFieldsStayClosedWithoutTheOldPasswordALinkOrADownload) {
  struct Case {
    const char* what;
    std::function<void()> set;
    QString typed;
  };
  const Case cases[] = {
      {"wrong old password", [] {}, Q(Code('2'))},
      {"not connected", [] { sendState.LinkState = 0; }, Q(Code('1'))},
      {"no password received yet", [this] { Stored().clear(); }, QString()},
      {"a password of the wrong length", [this] { Stored() = "12"; }, QStringLiteral("12")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Stored() = Code('1');
    sendState.LinkState = LinkConnected;
    c.set();
    old->clear();
    Type(old, c.typed);
    Enter(old);
    Enter(old);
    EXPECT_FALSE(fresh->isEnabled());
    EXPECT_FALSE(again->isEnabled());
    EXPECT_TRUE(shown.shown.empty());
  }
  EXPECT_TRUE(Frames().empty());
}

TEST_P(PasswordChangeTest, ANewPasswordIsTakenOnlyWhenItIsDigitsAndWasSent) {
  const std::string stored = Stored();
  // A text put in without the keys (as a paste past the filter could) is no password.
  Type(old, Q(stored));
  Enter(old);
  fresh->setText(Q(Code('5')).replace(1, 1, QLatin1Char('x')));
  Enter(fresh);
  again->setText(fresh->Text());
  Enter(again);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Password not changed: a password holds only the digits 0 to 9."});
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(Stored(), stored);
  ExpectReset();

  // A write that does not go out leaves the password the device still has.
  port.Close();
  Enter3(Code('5'), Code('5'));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Password not changed: it could not be sent to the device."});
  EXPECT_EQ(Stored(), stored);
  ExpectReset();
}

INSTANTIATE_TEST_SUITE_P(BothPasswords, PasswordChangeTest, ::testing::Values(&SystemPasswordChange, &KeyLockPasswordChange),
                         [](const ::testing::TestParamInfo<const PasswordChangeFields*>& info) {
                           return info.param == &SystemPasswordChange ? "System" : "KeyLock";
                         });

// ---- the lock panel

TEST_F(SystemPageTest, TheKeyLockHoldsThePanelUntilItsPasswordIsGivenOncePerConnection) {
  paramImage.PanelPassword = "1234";
  paramImage.DeviceTable[9][13] = 1;
  C<BmpButton>("FormTabBtn1")->Click();
  sessionState.FirstRefreshStage = 1;
  Downloaded();
  auto* lock = C<QWidget>("FirstCheckGrop");
  auto* field = C<Edit>("PanelPassWordEdit");
  ASSERT_TRUE(lock->isVisible());
  EXPECT_EQ(C<PageControl>("FormPageItem")->ActivePageIndex(), SystemPage);

  for (const char* wrong : {"", "1235", "12345", "123"}) {
    SCOPED_TRACE(wrong);
    Type(field, QString::fromLatin1(wrong));
    C<BmpButton>("RzBmpButton4")->Click();
    EXPECT_TRUE(field->Text().isEmpty());
    EXPECT_TRUE(lock->isVisible());
    EXPECT_FALSE(C<QWidget>("TopTileGrop")->isEnabled());
    EXPECT_FALSE(C<QWidget>("FormPageItem")->isEnabled());
  }
  EXPECT_TRUE(shown.shown.empty());

  Type(field, QStringLiteral("1234"));
  C<BmpButton>("RzBmpButton4")->Click();
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].text, "Unlock Success");
  EXPECT_EQ(shown.shown[0].caption, ApplicationTitle);
  EXPECT_FALSE(lock->isVisible());
  EXPECT_TRUE(C<QWidget>("TopTileGrop")->isEnabled());
  EXPECT_TRUE(C<QWidget>("FormPageItem")->isEnabled());
  EXPECT_TRUE(field->Text().isEmpty());
  EXPECT_TRUE(Frames().empty());

  Downloaded();  // a later refresh of the same connection, a Sing/Disco switch say
  EXPECT_FALSE(lock->isVisible());
  EXPECT_EQ(sessionState.FirstRefreshStage, 2);
}

TEST_F(SystemPageTest, AKeyLockPasswordOfAnotherLengthNeverUnlocks) {
  paramImage.PanelPassword = "123456";
  paramImage.DeviceTable[9][13] = 1;
  sessionState.FirstRefreshStage = 1;
  Downloaded();
  Type(C<Edit>("PanelPassWordEdit"), QStringLiteral("123456"));
  C<BmpButton>("RzBmpButton4")->Click();
  EXPECT_TRUE(C<QWidget>("FirstCheckGrop")->isVisible());
  EXPECT_TRUE(shown.shown.empty());
}

// ---- the device's presets

class PresetTest : public SystemPageTest {
 protected:
  void SetUp() override {
    SystemPageTest::SetUp();
    host.window = form.get();
    sessionState.host = &host;
    presets = C<ComboBox>("SysModeBox");
    name = C<Edit>("PresetModeEdit");
    call = C<BmpButton>("RzBmpButton121");
    save = C<BmpButton>("RzBmpButton138");
    for (int k = 0; k < PresetSlotCount; ++k) paramImage.PresetNames[k] = "Name" + std::to_string(k + 1);
    paramImage.DeviceTable[9][2] = 2;
    Downloaded();
  }
  void Choose(int item) {
    presets->SetItemIndex(item);
    form->SysModeBoxChange(*presets);
  }
  void Administrator() {
    paramImage.ViewTable[9][12] = 1;
    save->setEnabled(true);
  }
  // The supervision ticks for about a second, the device answering nothing.
  void Ticks(int n = 50) {
    for (int i = 0; i < n; ++i) HoldTimerTimer();
  }

  FakeHost host;
  ComboBox* presets = nullptr;
  Edit* name = nullptr;
  BmpButton* call = nullptr;
  BmpButton* save = nullptr;
};

TEST_F(PresetTest, ThePresetNameIsTheItemWithoutItsNumber) {
  EXPECT_EQ(name->Text(), QStringLiteral("Name3"));
  for (int item : {1, 9, 14}) {
    Choose(item);
    EXPECT_EQ(name->Text(), QString::fromStdString(paramImage.PresetNames[item])) << item;
  }
  Choose(-1);
  EXPECT_TRUE(name->Text().isEmpty());
}

TEST_F(PresetTest, CallAsksAndRecallsOnlyOnYes) {
  Choose(2);
  shown.answers = {DialogAnswer::No};
  call->Click();
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].caption, "prompt");
  EXPECT_EQ(shown.shown[0].text, "Load to 3-Name3?");
  EXPECT_EQ(shown.shown[0].buttons, DialogButtons::YesNo);
  EXPECT_TRUE(Frames().empty());

  call->Click();
  EXPECT_EQ(Frames(), (std::vector<Written>{{PresetRecallAddress, {2, 0}}}));
  EXPECT_EQ(sendState.PendingAction, PendingReload);
  EXPECT_EQ(linkTexts.LinkLabel, "Loading...");
}

TEST_F(PresetTest, WithoutAChosenPresetCallAndSaveDoNothing) {
  // The device reported a preset number outside 1..15: the list has no choice.
  paramImage.DeviceTable[9][2] = 0xFFFF;
  Downloaded();
  ASSERT_EQ(presets->ItemIndex(), -1);
  Administrator();
  const auto names = paramImage.PresetNames;
  call->Click();
  save->Click();
  Ticks(3);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(paramImage.PresetNames, names);
  EXPECT_EQ(sendState.PendingAction, 0);
}

TEST_F(PresetTest, TheUserLevelCannotSave) {
  save->setEnabled(true);
  save->Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"User mode can not save operation!"});
  Ticks();
  for (const Written& frame : Frames()) EXPECT_NE(frame.address, PresetSaveAddress);
  EXPECT_EQ(sendState.PendingAction, 0);
}

TEST_F(PresetTest, SaveOkFollowsTheDevicesAcknowledgementOfTheSave) {
  Administrator();
  Choose(2);
  name->SetText(QStringLiteral("Party"));
  shown.answers = {DialogAnswer::No};
  save->Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Save Mode to  3-Party?"});
  EXPECT_EQ(paramImage.PresetNames[2], "Name3");

  save->Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Save Mode to  3-Party?"});
  EXPECT_EQ(paramImage.PresetNames[2], "Party");
  EXPECT_EQ(linkTexts.LinkLabel, "Saving...");
  HoldTimerTimer();
  Bytes data{2, 0, 'P' - 0x20, 'a' - 0x20, 'r' - 0x20, 't' - 0x20, 'y' - 0x20};
  data.resize(22);
  EXPECT_EQ(Frames(), (std::vector<Written>{{PresetSaveAddress, data}}));
  Ticks();
  EXPECT_TRUE(shown.shown.empty()) << "no Save OK! before the device acknowledges";

  port.Feed({AckStart, AckOk});
  HoldTimerTimer();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Save OK!"});
  EXPECT_EQ(presets->Items()[2], QStringLiteral("3-Party"));
  EXPECT_EQ(presets->ItemIndex(), 2);
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
}

TEST_F(PresetTest, ASaveWaitsForTheFrameInFlightAndItsOwnAcknowledgement) {
  Administrator();
  sendState.ClearToSend = false;  // a keep-alive is on its way
  save->Click();
  Messages();
  Ticks(3);
  EXPECT_TRUE(Frames().empty());

  port.Feed({AckStart, AckOk});  // the keep-alive's acknowledgement
  HoldTimerTimer();
  const std::vector<Written> frames = Frames();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].address, PresetSaveAddress);
  Ticks();
  EXPECT_TRUE(shown.shown.empty());
  port.Feed({AckStart, AckOk});
  HoldTimerTimer();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Save OK!"});
}

TEST_F(PresetTest, ASaveTheDeviceNeverAcknowledgesEndsInTheLossOfTheLink) {
  Administrator();
  save->Click();
  Messages();
  Ticks(52 * 50);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Device Disconnect!"});
  EXPECT_EQ(linkTexts.LinkLabel, "Unlink");
}

TEST_F(PresetTest, WithoutALinkSavingChangesNoNameAndLeavesNoSavingBehind) {
  Administrator();
  sendState.LinkState = 0;
  const std::string label = linkTexts.LinkLabel;
  save->Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"The device is not connected or busy: nothing was saved."});
  Ticks();
  EXPECT_EQ(paramImage.PresetNames[2], "Name3");
  EXPECT_EQ(linkTexts.LinkLabel, label);
  EXPECT_EQ(sendState.PendingAction, 0);
  EXPECT_TRUE(Frames().empty());
}

}  // namespace
