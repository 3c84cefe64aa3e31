#pragma once
// The main window TForm1: a borderless window with a 2-pixel border around its 1131 x 659 client area,
// holding from top to bottom the title bar, the page bar, the pages with the common band editor, and
// the graph panel; the lock panel and a few hidden helper controls lie on it too. It owns every control
// of the panel; each control's objectName is its name on the form.
//
// The window moves when it is dragged by its title bar or any bare part of its surface, has its own
// minimise, maximise/restore and close buttons, and runs its start-up sequence on its first showing.
// Its controls share a few dozen handlers, one per kind of control, which find their parameter through
// the control's Tag and their partner controls through the control table. It is the window the link
// reports to and the window the binding runs its handlers on.

#include <QPoint>
#include <QWidget>

#include "edit_history.h"
#include "link_window.h"
#include "panel_window.h"

class BmpButton;
class ComboBox;
class Edit;
class Image;
class Label;
class QTimer;
class QUndoStack;
class SpinButtons;
class TrackBar;
class ValueList;

inline constexpr char ApplicationTitle[] = "Zadav Udedaz Evavozazad Ov";  // also the caption of plain message boxes
inline constexpr char PromptCaption[] = "prompt";  // the caption of the System page's messages and questions

class TForm1 : public QWidget, public LinkWindow, public PanelWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // A control of the window by its name; null when there is none of that name and class.
  template <class T>
  T* Control(const char* name) const {
    return findChild<T*>(QString::fromUtf8(name));
  }
  template <class T>
  T* Control(const std::string& name) const {
    return findChild<T*>(QString::fromStdString(name));
  }

  // Undo and redo of the user's edits (edit_history.h).
  QUndoStack& UndoStack() { return history_.Stack(); }
  // Shows whether the edits are on the device, when that has changed (every 100 ms).
  void ShowSyncState();

  // The window's own buttons.
  void RzBmpButton1Click(BmpButton& sender);  // maximise, or restore when maximised
  void RzBmpButton2Click(BmpButton& sender);  // minimise
  void RzBmpButton3Click(BmpButton& sender);  // close

  // Page bar, MIC group and the channel pages' buttons and sliders (page_handlers.cpp).
  void FormTabBtn1Click(BmpButton& sender) override;  // page buttons; the sender's Tag is the page
  void MicABtnClick(BmpButton& sender);
  void MusPanScrollBarChange(TrackBar& sender);
  void MicHPFreBarChange(TrackBar& sender);  // sliders with a read-out pane on channels 1..8
  void EchoEffPhaseBtnClick(BmpButton& sender) override;
  void MainLmuteBtnClick(BmpButton& sender) override;
  void MusEQAllpassBtnClick(BmpButton& sender);
  void EQResetBtnClick(BmpButton& sender);
  void AutoModeBtnClick(BmpButton& sender) override;
  void SingModeBtnClick(BmpButton& sender);
  void SysMusInputLevelClick(BmpButton& sender);  // radio-group buttons
  void ChooseRadio(ParamAddress group, int index) override;
  void SubMusHPTypeChange(ComboBox& sender);  // the SUB filter types and the music input gain
  void SysMusNormalVolBarChange(TrackBar& sender);
  void SysModeBoxChange(ComboBox& sender) override;

  // The equaliser band controls (band_handlers.cpp).
  void MusFreEdit1Click(Edit& sender);
  void MusFreEdit1KeyPress(Edit& sender, QChar& key);
  void MusFreEdit1KeyDown(Edit& sender, int key);
  void MusFreEdit1Exit(Edit& sender);
  // True when the wheel stepped (or was kept from stepping) the current band edit.
  bool FormMouseWheel(int delta);
  void MusFreUpDownBtn1UpRightClick(SpinButtons& sender);
  void MusFreUpDownBtn1DownLeftClick(SpinButtons& sender);
  void MusEQGainBar1Change(TrackBar& sender);  // band gain sliders and the common band editor's
  void MusModeBox1Change(ComboBox& sender) override;
  void MusPEQBtn1Click(Image& sender);
  void MusEQPointLabel1Click(Label& sender);

  // The System page and the lock panel (system_handlers.cpp).
  void SysPassEditKeyPress(Edit& sender, QChar& key);      // digits only: SysPassEdit, PanelPassWordEdit
  void RzBmpButton118Click(BmpButton& sender);             // the system password's "OK"
  void SysPanelLabel1KeyPress(Edit& sender, QChar& key);   // changing the system password
  void PassPanelLabel1KeyPress(Edit& sender, QChar& key);  // changing the key lock password
  void RzBmpButton4Click(BmpButton& sender);               // the lock panel's "OK"
  void RzBmpButton121Click(BmpButton& sender);             // "Call Equipment Mode", "Save Equipment Mode"

  // The mode-file library of the System page (mode_library_panel.cpp).
  void RefreshModeList();
  void RzBmpButton120Click(BmpButton& sender);  // "Save date in PC"
  void RzBmpButton119Click(BmpButton& sender);  // "Upload date to Equipment"
  void ValueListEditor1Click(ValueList& sender);
  void ValueListEditor1KeyPress(ValueList& sender, QChar& key);

  // The equaliser graph: its drawing, and the handles dragged with the mouse (graph_handlers.cpp).
  void DrawGrid(int mode);
  void DrawGraph(int band, int channel) override;
  void EP1MouseDown(Image& sender, Qt::MouseButton button, QPoint at);  // EP1 .. EP15, HPF, LPF
  void EP1MouseMove(Image& sender, QPoint at);
  void EP1MouseUp(Image& sender, Qt::MouseButton button, QPoint at);
  void Image1MouseMove(Qt::MouseButtons buttons, QPoint at);  // the plot
  void Image1MouseUp(Qt::MouseButton button, QPoint at);
  void EQlabelMouseUp();  // the read-out and the "EQ PASS" notice
  void Timer1Timer();
  // Applies the dragged handle's frequency and gain where they changed, then draws the last change.
  void ApplyHandleDrag();

  // What the link asks of the window (main_form_link.cpp).
  void SelectLinkButton(bool connect) override;
  void ImageReloaded() override;
  void ShowMainWindow() override;
  void RebuildPresetList() override;
  void ShowLinkTexts() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Sees the wheel turned over any of the window's controls before the control does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildHiddenControls();
  void WireShellHandlers();
  void WireEditHistory();
  // Whether the widget is this window's, or a popup of one of its controls.
  bool OwnsWidget(const QWidget* widget) const;
  void WireHandlers();  // handler_wiring.cpp
  void WireSystemHandlers();  // system_handlers.cpp
  void PlaceRegions();
  void FormCreate();
  void FormShow();
  void FormResize();
  void WireGraphHandlers();  // graph_handlers.cpp
  // A pointer move or release that a pressed handle holds on to while its button is down; with
  // the left button the handle keeps it, otherwise it goes to what lies under the pointer.
  void HandlePointerMoved(Image& handle, Qt::MouseButtons buttons, QPoint at);
  void HandlePointerReleased(Image& handle, Qt::MouseButton button, QPoint at);
  // Makes the band edit of the pressed band handle's field (gain or Q) the current edit, when it is
  // enabled; false when there is no such edit.
  bool ClickPressedBandEdit(int role);
  // Whether the panel lock hides everything but the System page.
  bool PanelLocked() const;
  // Redraws the selected band of the page on show; the System page has no graph.
  void DrawSelectedBand();

  QTimer* timer1_ = nullptr;
  QTimer* syncTimer_ = nullptr;
  EditHistory history_{this};
  std::string shownSync_;
  bool firstShowDone_ = false;
  int wheelDelta_ = 0;  // wheel turn not yet worth a whole step
  // Moving the window by hand where the window system cannot move it itself.
  bool moving_ = false;
  QPoint movePress_;
  QPoint moveOrigin_;
};
