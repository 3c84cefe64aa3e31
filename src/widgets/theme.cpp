#include "theme.h"

namespace theme {

QFont UiFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace theme
