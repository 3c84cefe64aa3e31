#include "link_texts.h"

#include <gtest/gtest.h>

#include "fake_link_host.h"
#include "process_state.h"

namespace {

TEST(LinkTextsTest, ChangesAreShownByTheAttachedWindowAndTheColourStaysUntilSet) {
  ResetProcessState();
  SetLinkLabel("Loading...");  // no window attached: nothing to tell
  FakeHost host;
  sessionState.host = &host;
  SetLinkLabel("Unlink", 0xFF0000);
  SetLinkLabel("Device is Connected");
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  EXPECT_EQ(linkTexts.LinkLabelColor, 0xFF0000u);
  SetDeviceIDLabel("1234ABCD");
  EXPECT_EQ(linkTexts.DeviceIDLabel, "1234ABCD");
  EXPECT_EQ(host.textChanges, 3);
  ResetProcessState();
}

}  // namespace
