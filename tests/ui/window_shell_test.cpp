// The main window's shell: its frame and size, the start-up sequence, moving, maximising,
// minimising and closing, page switching and the plot surface.

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "bmp_button.h"
#include "image.h"
#include "link_session.h"
#include "link_texts.h"
#include "main_form.h"
#include "memory_port.h"
#include "mode_folders.h"
#include "page_control.h"
#include "process_state.h"
#include "send_state.h"
#include "startup_state.h"
#include "track_bar.h"

namespace {

class WindowShellTest : public ::testing::Test {
 protected:
  WindowShellTest() { ResetProcessState(); }
  ~WindowShellTest() override { ResetProcessState(); }

  void Show() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  void Click(const char* button) { form.Control<BmpButton>(button)->Click(); }
  int PageOnShow() { return form.Control<PageControl>("FormPageItem")->ActivePageIndex(); }
  QTimer* Timer1() { return form.findChild<QTimer*>(QStringLiteral("Timer1")); }

  TForm1 form;
};

TEST_F(WindowShellTest, IsABorderlessWindowWithA1131By659ClientInsideA2PixelBorder) {
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.size(), QSize(1131 + 4, 659 + 4));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zadav Udedaz Evavozazad Ov"));
  EXPECT_EQ(form.Control<QWidget>("TopTileGrop")->geometry(), QRect(2, 2 + 22, 1131, 26));
  EXPECT_EQ(form.Control<QWidget>("RzGroupBox2")->geometry().topLeft(), QPoint(2, 2 + 48));
  EXPECT_EQ(form.Control<QWidget>("AdvPanel1")->geometry(), QRect(2, 2 + 295, 1131, 659 - 295));
  EXPECT_EQ(form.Control<QWidget>("Image2")->geometry(), QRect(2, 2, 1131, 28));
  const QImage picture = form.grab().toImage();
  EXPECT_EQ(picture.pixelColor(0, 300), picture.pixelColor(1, 300));  // the border
  EXPECT_EQ(picture.pixelColor(300, 2 + 48 + 1), QColor(0, 51, 153));  // bare background above the pages
}

TEST_F(WindowShellTest, StartsCentredOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(form.geometry().center(), screen.center());
}

TEST_F(WindowShellTest, TheFirstShowRunsTheStartUpStepsInOrder) {
  // At creation the plot already has its surface.
  EXPECT_EQ(form.Control<Image>("Image1")->Picture().size(), form.Control<Image>("Image1")->size());
  EXPECT_EQ(PageOnShow(), 1);  // the design's page
  EXPECT_FALSE(Timer1()->isActive());
  Show();
  // Connect was pressed: the port scan runs.
  EXPECT_TRUE(sessionState.Timer1On);
  EXPECT_EQ(linkTexts.LinkLabel, "Equipment search...");
  EXPECT_TRUE(std::filesystem::is_directory(modeFolders.ModeFolder));
  EXPECT_EQ(PageOnShow(), 0);
  EXPECT_TRUE(form.Control<QWidget>("FormTabBtn1")->hasFocus());
  EXPECT_TRUE(Timer1()->isActive());
  EXPECT_EQ(startupState.FormShown, 1);

  // The sequence runs once only.
  sessionState.Timer1On = false;
  form.hide();
  form.show();
  EXPECT_FALSE(sessionState.Timer1On);
}

TEST_F(WindowShellTest, MaximiseFillsTheScreensFreeAreaAndTheSecondPressRestores) {
  Show();
  const QRect normal = form.geometry();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  Click("RzBmpButton1");
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.isMaximized() && form.frameGeometry() == screen; }));
  EXPECT_EQ(form.Control<QWidget>("AdvPanel1")->width(), form.width() - 4);  // the regions follow
  Click("RzBmpButton1");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isMaximized() && form.geometry() == normal; }));
}

TEST_F(WindowShellTest, MinimiseIsPostedAndTakesEffectAfterTheClick) {
  Show();
  Click("RzBmpButton2");
  EXPECT_FALSE(form.isMinimized());
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.isMinimized(); }));
}

TEST_F(WindowShellTest, CloseSaysGoodbyeWhenConnectedAndClosesTheWindow) {
  Show();
  MemoryPort port;
  port.Open("COM1");
  comPort = &port;
  sendState.LinkState = LinkConnected;
  Click("RzBmpButton3");
  ASSERT_EQ(port.writes.size(), 1u);
  EXPECT_EQ(port.writes[0], (std::vector<std::uint8_t>{0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0xAA, 0x00, 0x37}));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(WindowShellTest, DraggingTheTitleMovesTheWindowAndDraggingASliderMovesTheSlider) {
  Show();
  QWindow* window = form.windowHandle();
  const QPoint start = form.pos();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(400, 10));  // on the title picture
  QTest::mouseMove(window, QPoint(460, 40));
  // The window followed the pointer, so the pointer is over the same point of the title again.
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(400, 10));
  EXPECT_EQ(form.pos(), start + QPoint(60, 30));

  form.Control<TrackBar>("SysMusMaxVolBar")->SetPosition(84);  // room for the master volume to rise
  auto* slider = form.Control<TrackBar>("SysMusNormalVolBar");  // on the page bar
  const QPoint moved = form.pos();
  const int before = slider->Position();
  const QPoint thumb = slider->mapTo(&form, QPoint(slider->width() / 2, slider->height() / 2));
  QTest::mousePress(window, Qt::LeftButton, {}, thumb);
  QTest::mouseMove(window, thumb + QPoint(30, 20));
  QTest::mouseRelease(window, Qt::LeftButton, {}, thumb + QPoint(30, 20));
  EXPECT_EQ(form.pos(), moved);
  EXPECT_NE(slider->Position(), before);
}

TEST_F(WindowShellTest, APressOnAPanelDoesNotMoveTheWindow) {
  Show();
  QWindow* window = form.windowHandle();
  const QPoint start = form.pos();
  const QPoint panel = QPoint(600, 600);  // the graph panel's bottom bar, between its buttons
  QTest::mousePress(window, Qt::LeftButton, {}, panel);
  QTest::mouseMove(window, panel + QPoint(40, 0));
  QTest::mouseRelease(window, Qt::LeftButton, {}, panel + QPoint(40, 0));
  EXPECT_EQ(form.pos(), start);
}

TEST_F(WindowShellTest, PageButtonsShowTheirPageAndTheSystemPageHidesTheGraph) {
  Show();
  const char* buttons[] = {"FormTabBtn1", "FormTabBtn2", "FormTabBtn3", "FormTabBtn4",
                           "FormTabBtn5", "FormTabBtn6", "FormTabBtn7", "FormTabBtn8"};
  const bool singDisco[] = {true, false, false, true, true, true, true, false};
  for (int page = 0; page < 8; ++page) {
    SCOPED_TRACE(page);
    Click(buttons[page]);
    EXPECT_EQ(PageOnShow(), page);
    EXPECT_EQ(form.Control<QWidget>("AdvPanel1")->isVisible(), page != 7);
    EXPECT_EQ(form.Control<QWidget>("EQCotrolGrop")->isVisible(), page != 7);
    EXPECT_EQ(form.Control<QWidget>("SingleDiscoGrop")->isVisible(), singDisco[page]);
  }
}

TEST_F(WindowShellTest, AResizeGivesThePlotANewSurfaceOfItsNewSize) {
  Show();
  auto* plot = form.Control<Image>("Image1");
  EXPECT_EQ(plot->size(), QSize(1078, 297));
  form.resize(form.width() + 100, form.height() + 50);
  EXPECT_EQ(plot->size(), QSize(1178, 347));
  EXPECT_EQ(plot->Picture().size(), plot->size());
}

}  // namespace
