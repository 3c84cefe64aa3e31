#include "link_texts.h"

#include <utility>

LinkTexts linkTexts;

namespace {

void Changed() {
  if (linkTexts.onChanged) linkTexts.onChanged();
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
