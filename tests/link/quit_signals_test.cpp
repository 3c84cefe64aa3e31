#include "quit_signals.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>
#include <QWidget>
#include <csignal>

namespace {

class CountingWindow : public QWidget {
 public:
  int closes = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closes;
    event->accept();
  }
};

TEST(QuitSignals, EachSignalClosesTheMainWindowThroughItsCloseHandling) {
  for (const int signal : {SIGTERM, SIGINT}) {
    CountingWindow window;
    window.show();
    InstallQuitSignals(&window);
    ASSERT_EQ(std::raise(signal), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.closes > 0; }, 2000)) << signal;
    EXPECT_FALSE(window.isVisible());
    QTest::qWait(20);
    EXPECT_EQ(window.closes, 1);
  }
}

}  // namespace
