#include "tform3.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

#include "com_port.h"
#include "dialogs.h"
#include "link_session.h"
#include "link_texts.h"
#include "param_image.h"
#include "process_state.h"
#include "scripted_dialogs.h"
#include "send_state.h"
#include "tform2.h"

namespace {

class TForm3Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    dialogs = &shown;
    form = std::make_unique<TForm3>();
    form->SetStatusDialog(&status);
  }
  void TearDown() override {
    form.reset();
    ResetProcessState();
  }

  QTimer* Timer(const char* name) { return form->findChild<QTimer*>(name); }

  ScriptedDialogs shown;
  TForm2 status;
  std::unique_ptr<TForm3> form;
};

TEST_F(TForm3Test, InstallsItselfAndItsPortAndStaysHidden) {
  EXPECT_EQ(sessionState.host, form.get());
  EXPECT_EQ(comPort, &form->Port());
  EXPECT_EQ(form->windowTitle(), QString("系统"));
  form->show();
  EXPECT_FALSE(form->isVisible());
  form.reset();
  EXPECT_EQ(sessionState.host, nullptr);
  EXPECT_EQ(comPort, nullptr);
}

TEST_F(TForm3Test, SessionSwitchesTheNamedTimers) {
  const struct {
    const char* name;
    LinkTimer timer;
    int interval;
  } timers[] = {{"Timer1", LinkTimer::Scan, 1000},
                {"Timer2", LinkTimer::Stepper, 100},
                {"HoldTimer", LinkTimer::Hold, 20}};
  for (const auto& t : timers) {
    QTimer* timer = Timer(t.name);
    ASSERT_NE(timer, nullptr) << t.name;
    EXPECT_EQ(timer->interval(), t.interval);
    EXPECT_FALSE(timer->isSingleShot());
    EXPECT_FALSE(timer->isActive());
    form->SetTimer(t.timer, true);
    EXPECT_TRUE(timer->isActive()) << t.name;
    for (const auto& other : timers) {
      if (other.name != t.name) {
        EXPECT_FALSE(Timer(other.name)->isActive()) << other.name;
      }
    }
    form->SetTimer(t.timer, false);
    EXPECT_FALSE(timer->isActive()) << t.name;
  }
}

TEST_F(TForm3Test, ConnectOverUnopenablePortsFailsWithTheReasons) {
  form->SetFixedPorts({"/dev/dsp-panel-no-such-port"});
  EXPECT_EQ(form->ListPorts(), std::vector<std::string>{"/dev/dsp-panel-no-such-port"});

  LinkConnect();
  EXPECT_TRUE(Timer("Timer1")->isActive());
  EXPECT_TRUE(status.isVisible());
  EXPECT_EQ(status.findChild<QLabel*>("LinkLabel")->text(), QString("Equipment search..."));

  Timer1Timer();  // the only port refuses
  Timer1Timer();  // past the end of the list
  Timer1Timer();  // reports the failure
  EXPECT_FALSE(Timer("Timer1")->isActive());
  EXPECT_FALSE(status.isVisible());
  EXPECT_EQ(status.findChild<QLabel*>("LinkLabel")->text(), QString("Device Disconnect"));
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].caption, "Prompt");
  EXPECT_EQ(shown.shown[0].text,
            "Connect Failure!\n/dev/dsp-panel-no-such-port: the device file "
            "/dev/dsp-panel-no-such-port does not exist");
}

// A main window stand-in that records what the link asks of it.
class RecordingWindow : public QObject, public LinkWindow {
 public:
  void SelectLinkButton(bool connect) override { calls.push_back(connect ? "Connect" : "Disconnect"); }
  void ImageReloaded() override { calls.push_back("ImageReloaded"); }
  void ShowMainWindow() override { calls.push_back("ShowMainWindow"); }
  void RebuildPresetList() override { calls.push_back("RebuildPresetList"); }
  void ShowLinkTexts() override { calls.push_back("ShowLinkTexts: " + linkTexts.LinkLabel); }
  std::vector<std::string> calls;
};

TEST_F(TForm3Test, TheSessionReportsToTheWindowTheFormWasHanded) {
  RecordingWindow window;
  form->SetLinkWindow(&window);
  EXPECT_EQ(AttachedLinkWindow(), &window);
  LinkDisconnect();
  EXPECT_EQ(window.calls, (std::vector<std::string>{"Disconnect", "ShowLinkTexts: 设备未连接"}));
  form->SetLinkWindow(nullptr);
  SetLinkLabel("Unlink");
  EXPECT_EQ(window.calls.size(), 2u);
}

TEST_F(TForm3Test, AWindowThatGoesAwayIsDetachedFromTheLink) {
  auto window = std::make_unique<RecordingWindow>();
  form->SetLinkWindow(window.get());
  window.reset();
  EXPECT_EQ(form->Window(), nullptr);
  SetLinkLabel("Unlink");  // reaches no window
  LinkDisconnect();
  EXPECT_EQ(linkTexts.LinkLabel, "设备未连接");
}

}  // namespace
