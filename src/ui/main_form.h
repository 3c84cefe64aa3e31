#pragma once
// The main window TForm1: a borderless window with a 2-pixel border around its 1131 x 659 client area,
// holding from top to bottom the title bar, the page bar, the pages with the common band editor, and
// the graph panel; the lock panel and a few hidden helper controls lie on it too. It owns every control
// of the panel; each control's objectName is its name on the form.
//
// The window moves when it is dragged by its title bar or any bare part of its surface, has its own
// minimise, maximise/restore and close buttons, and runs its start-up sequence on its first showing.

#include <QPoint>
#include <QWidget>

class BmpButton;
class Image;
class QTimer;

inline constexpr char ApplicationTitle[] = "Zadav Udedaz Evavozazad Ov";

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // A control of the window by its name; null when there is none of that name and class.
  template <class T>
  T* Control(const char* name) const {
    return findChild<T*>(QString::fromUtf8(name));
  }

  // Handlers of the window's own buttons.
  void RzBmpButton1Click(BmpButton& sender);  // maximise, or restore when maximised
  void RzBmpButton2Click(BmpButton& sender);  // minimise
  void RzBmpButton3Click(BmpButton& sender);  // close
  // The page buttons; the sender's Tag is the page index.
  void FormTabBtn1Click(BmpButton& sender);

  // The equaliser graph's drawing; the graph fills these in.
  void DrawGrid(int mode);
  void DrawGraph(int band, int channel);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildHiddenControls();
  void WireShellHandlers();
  void PlaceRegions();
  void FormCreate();
  void FormShow();
  void FormResize();
  void NewPlotSurface();

  Image* plot_ = nullptr;
  QTimer* timer1_ = nullptr;
  bool firstShowDone_ = false;
  // Moving the window by hand where the window system cannot move it itself.
  bool moving_ = false;
  QPoint movePress_;
  QPoint moveOrigin_;
};
