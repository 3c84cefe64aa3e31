#include "link_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkTextsTest, ChangesAreAnnouncedAndTheColourStaysUntilSet) {
  linkTexts = {};
  SetLinkLabel("Loading...");  // no listener yet: nothing to tell
  int changes = 0;
  linkTexts.onChanged = [&] { ++changes; };
  SetLinkLabel("Unlink", 0xFF0000);
  SetLinkLabel("Device is Connected");
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  EXPECT_EQ(linkTexts.LinkLabelColor, 0xFF0000u);
  SetDeviceIDLabel("1234ABCD");
  EXPECT_EQ(linkTexts.DeviceIDLabel, "1234ABCD");
  EXPECT_EQ(changes, 3);
}

}  // namespace
