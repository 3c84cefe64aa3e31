#include "link_texts.h"

#include <utility>

#include "link_session.h"

LinkTexts linkTexts;

namespace {

void Changed() {
  if (LinkWindow* window = AttachedLinkWindow()) window->ShowLinkTexts();
}

}  // namespace

void SetLinkLabel(std::string text) {
  linkTexts.LinkLabel = std::move(text);
  Changed();
}

void SetLinkLabel(std::string text, std::uint32_t color) {
  linkTexts.LinkLabelColor = color;
  SetLinkLabel(std::move(text));
}

void SetDeviceIDLabel(std::string text) {
  linkTexts.DeviceIDLabel = std::move(text);
  Changed();
}
