#include "pictures.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

QColor Centre(const QPixmap& picture) {
  const QImage image = picture.toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(PicturesTest, PicturesAreDrawnAtTheRatioTheyAreMadeFor) {
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const QPixmap picture = ButtonPicture(QSize(90, 22), Look::Off, ratio);
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.size(), QSize(qCeil(90 * ratio), qCeil(22 * ratio)));
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(90, 22));
  }
  EXPECT_EQ(NewPicture(QSize(10, 10)).devicePixelRatio(), qGuiApp->devicePixelRatio());
}

TEST(PicturesTest, EachStateHasItsOwnLook) {
  const QSize size(90, 22);
  const Look looks[] = {Look::Off, Look::Lit, Look::Selected, Look::Pressed, Look::Hover, Look::Greyed};
  for (const Look a : looks)
    for (const Look b : looks)
      if (a != b) {
        EXPECT_NE(Centre(ButtonPicture(size, a, 1)), Centre(ButtonPicture(size, b, 1)));
      }
  EXPECT_NE(Centre(RadioPicture(true, true, 1)), Centre(RadioPicture(false, true, 1)));
  EXPECT_NE(Centre(RadioPicture(true, true, 1)), Centre(RadioPicture(true, false, 1)));
}

TEST(PicturesTest, TheModeImagesShowTheirCurveAndState) {
  for (int mode = 0; mode < 3; ++mode) {
    const QImage on = ModePicture(mode, true, 1).toImage(), off = ModePicture(mode, false, 1).toImage();
    EXPECT_NE(on, off) << mode;
    EXPECT_EQ(on.size(), ModeImageSize);
  }
  // Low and high shelves are raised at opposite ends.
  const QImage low = ModePicture(1, true, 1).toImage(), high = ModePicture(2, true, 1).toImage();
  EXPECT_NE(low.pixelColor(3, 4), high.pixelColor(3, 4));
}

}  // namespace
