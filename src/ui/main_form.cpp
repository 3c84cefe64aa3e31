#include "main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QUndoStack>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "band_editor.h"
#include "bmp_button.h"
#include "button_looks.h"
#include "channel_pages.h"
#include "combo_box.h"
#include "control_factory.h"
#include "edit.h"
#include "graph_drawing.h"
#include "graph_panel.h"
#include "image.h"
#include "label.h"
#include "binding_state.h"
#include "build_control_table.h"
#include "control_accessible_names.h"
#include "control_names.h"
#include "control_state_op.h"
#include "control_table.h"
#include "link_session.h"
#include "panel_refresh.h"
#include "mode_folders.h"
#include "page_control.h"
#include "panel.h"
#include "panel_tables.h"
#include "system_page.h"
#include "theme.h"
#include "track_bar.h"
#include "value_list.h"
#include "window_bars.h"
#include "window_metrics.h"
#include "startup_state.h"
#include "sync_state.h"

namespace {

constexpr int GraphTimerMs = 15;
constexpr int SyncTimerMs = 100;

QKeySequence RedoKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); }

bool IsHistoryKey(const QKeyEvent& key) {
  return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) || key.keyCombination() == RedoKey()[0];
}

QPalette WindowPalette() {
  QPalette p;
  p.setColor(QPalette::Window, theme::WindowBlue);
  p.setColor(QPalette::WindowText, theme::Text);
  p.setColor(QPalette::Base, theme::EditFill);
  p.setColor(QPalette::AlternateBase, QColor(236, 241, 250));
  p.setColor(QPalette::Text, theme::EditText);
  p.setColor(QPalette::Button, QColor(226, 232, 242));
  p.setColor(QPalette::ButtonText, theme::EditText);
  p.setColor(QPalette::Highlight, QColor(10, 84, 196));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Disabled, QPalette::WindowText, theme::DimText);
  return p;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(ApplicationTitle));
  setPalette(WindowPalette());
  setFont(theme::UiFont(12));
  resize(ClientWidth + 2 * WindowBorder, ClientHeight + 2 * WindowBorder);
  BuildControls();
  NameControls(*this);
  WireShellHandlers();
  WireHandlers();
  WireEditHistory();
  QCoreApplication::instance()->installEventFilter(this);
  PlaceRegions();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
  WireGraphHandlers();  // the graph has found its handles
}

// The binding, the graph and the link refer to this window's controls; none may keep them once it
// is gone.
TForm1::~TForm1() {
  ReleaseControlTable(*this);
  DetachGraph();
}

void TForm1::BuildControls() {
  BuildTitleBar(this);
  BuildPageBar(this);

  auto* pageArea = NewControl<Panel>(this, "RzGroupBox2");
  pageArea->SetColor(QColor());
  pageArea->SetBorderColor(QColor());
  auto* pages = NewControl<PageControl>(pageArea, ControlName::FormPageItem);
  for (const PageInfo& info : Pages) {
    auto* sheet = NewControl<TabSheet>(pages, info.sheet, QString::fromUtf8(info.sheetCaption));
    pages->AddPage(sheet);
  }
  pages->AddPage(NewControl<TabSheet>(pages, "AdvTabSheet1"));  // the empty ninth sheet, never chosen
  for (int page = 0; page < SystemPage; ++page) BuildChannelPage(page, *pages->Pages(page));
  BuildSystemPage(*pages->Pages(SystemPage));
  pages->SetActivePageIndex(1);
  BuildBandEditor(ChannelPageHeight, pageArea);

  BuildGraphPanel(this);
  BuildLockPanel(this);
  BuildHiddenControls();
}

void TForm1::BuildHiddenControls() {
  auto* example = NewControl<Edit>(this, ControlName::Example);
  example->Hint = QStringLiteral("0");
  example->SetText(QStringLiteral("0Example"));
  example->hide();

  auto* exampleButton = NewControl<BmpButton>(this, ControlName::ExampleBtn);
  LookTemplate(*exampleButton, *Control<BmpButton>(MusicPortRow().buttons.front().name));
  exampleButton->hide();

  NewControl<ComboBox>(this, ControlName::ComComboBox1)->hide();

  auto* group = NewControl<Panel>(this, ControlName::RzGroupBox10);
  auto* bandSlider = NewControl<TrackBar>(group, ControlName::MusEQTrackBar1);
  bandSlider->SetMax(361);
  NewControl<BmpButton>(group, ControlName::MusEQBmpBtn1);
  group->hide();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(GraphTimerMs);

  syncTimer_ = new QTimer(this);
  syncTimer_->setObjectName(QStringLiteral("SyncTimer"));
  syncTimer_->setInterval(SyncTimerMs);
  connect(syncTimer_, &QTimer::timeout, this, &TForm1::ShowSyncState);
}

// Ctrl+Z and Ctrl+Shift+Z (and the platform's own redo keys) anywhere in the window, and the two
// buttons of the bottom bar, which are enabled while there is something to undo or redo. A step
// still open is closed first, so the last gesture is what is undone.
void TForm1::WireEditHistory() {
  QUndoStack& stack = history_.Stack();
  auto* undo = new QAction(this);
  undo->setShortcuts(QKeySequence::Undo);
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redoKeys.contains(RedoKey())) redoKeys.prepend(RedoKey());
  auto* redo = new QAction(this);
  redo->setShortcuts(redoKeys);
  addActions({undo, redo});
  const auto doUndo = [this, &stack] {
    history_.End();
    stack.undo();
  };
  const auto doRedo = [this, &stack] {
    history_.End();
    stack.redo();
  };
  connect(undo, &QAction::triggered, this, doUndo);
  connect(redo, &QAction::triggered, this, doRedo);
  auto* undoButton = Control<BmpButton>(ControlName::UndoBtn);
  auto* redoButton = Control<BmpButton>(ControlName::RedoBtn);
  undoButton->OnClick = [doUndo](BmpButton&) { doUndo(); };
  redoButton->OnClick = [doRedo](BmpButton&) { doRedo(); };
  connect(&stack, &QUndoStack::canUndoChanged, undoButton, &QWidget::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, redoButton, &QWidget::setEnabled);
}

void TForm1::ShowSyncState() {
  const SyncSummary summary = SummariseSync();
  const std::string text = SyncText(summary);
  if (text == shownSync_) return;
  shownSync_ = text;
  auto* label = Control<Label>(ControlName::SyncStateLabel);
  label->SetCaption(QString::fromStdString(text));
  label->SetFontColor(summary.kind == SyncKind::NotOnDevice ? QColor(255, 80, 80) : QColor(200, 210, 225));
}

void TForm1::WireShellHandlers() {
  Control<BmpButton>("RzBmpButton1")->OnClick = [this](BmpButton& b) { RzBmpButton1Click(b); };
  Control<BmpButton>("RzBmpButton2")->OnClick = [this](BmpButton& b) { RzBmpButton2Click(b); };
  Control<BmpButton>("RzBmpButton3")->OnClick = [this](BmpButton& b) { RzBmpButton3Click(b); };
}

// The regions follow the window on all sides; inside them layouts take over.
void TForm1::PlaceRegions() {
  const QRect client = rect().adjusted(WindowBorder, WindowBorder, -WindowBorder, -WindowBorder);
  const int left = client.left(), top = client.top(), width = client.width(), height = client.height();
  PlaceTitleBar(this, left, top, width);
  Control<QWidget>(ControlName::TopTileGrop)->setGeometry(left, top + PageBarTop, width, PageBarHeight);
  auto* pageArea = Control<QWidget>("RzGroupBox2");
  pageArea->setGeometry(left, top + PageAreaTop, width, height - PageAreaTop);
  Control<QWidget>(ControlName::FormPageItem)->setGeometry(0, 0, width, height - PageAreaTop);
  Control<QWidget>(ControlName::EQCotrolGrop)->move(width - BandEditorWidth - PageMargin, 4);
  auto* graph = Control<QWidget>(ControlName::AdvPanel1);
  graph->setGeometry(left, top + GraphPanelTop, width, height - GraphPanelTop);
  // Settle the graph panel's layout now, so the plot has its new size before it is rebuilt.
  graph->layout()->activate();
  Control<QWidget>(ControlName::AdvPanel2)->layout()->activate();
  auto* lock = Control<QWidget>(ControlName::FirstCheckGrop);
  lock->move(left + (width - lock->width()) / 2, top + height - 6 - (LockStripHeight + lock->height()) / 2);
}

// Creation: the graph is drawn before the window is first shown.
void TForm1::FormCreate() {
  // Every Qt widget paints through a back buffer already. The graph learns its controls; each handle
  // carries its index in the handle list.
  graphView.AdvPanel1 = Control<QWidget>(ControlName::AdvPanel1);
  graphView.AdvPanel2 = Control<QWidget>(ControlName::AdvPanel2);
  graphView.Image1 = Control<Image>(ControlName::Image1);
  graphView.EQlabel = Control<Label>(ControlName::EQlabel);
  for (int i = 0; i < GraphSlotCount; ++i) {
    Image* handle = Control<Image>(GraphHandleName(i));
    handle->Tag = i;
    graphView.GraphHandles[static_cast<std::size_t>(i)] = handle;
  }
  // The grid on a plot of the plot's size, and the axis labels.
  DrawGrid(GridCreate);
}

// First showing: the start-up sequence, each step from the part of the program that provides it.
void TForm1::FormShow() {
  // 1. The control table: every bound control learns its parameter.
  BuildControlTable(*this, *this);
  // The MIC page starts on the group the image shows; nothing but its buttons changes it later.
  ControlStateOp(paramImage.MicGroupB == 1 ? panelControls.MicBBtn : panelControls.MicABtn, StateAction::SelectMicGroup);
  // 2. Factory band values for every channel, shown on the controls; nothing is sent.
  ResetEqualisers(20);
  // 3. List the serial ports and press Connect; whatever goes wrong here, start-up goes on.
  try {
    LinkConnect();
  } catch (...) {
  }
  // 4. The mode folders beside the program, or below the user's data folder where the program's
  //    folder cannot take them.
  MakeModeFolders(std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()),
                  std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String()));
  // 5. The mode files of that folder in the System page's list.
  RefreshModeList();
  // 6. The Music page, with the keyboard focus on its page button.
  auto* music = Control<BmpButton>(Pages[0].button);
  FormTabBtn1Click(*music);
  music->setFocus();
  // 7. The graph follows every change made anywhere on the panel.
  timer1_->start();
  syncTimer_->start();
  ShowSyncState();
  // 8.
  startupState.FormShown = 1;
}

void TForm1::RzBmpButton1Click(BmpButton&) {
  if (isMaximized()) {
    showNormal();
    return;
  }
  // The window system keeps a maximised window off the task bar, wherever the task bar sits.
  showMaximized();
}

void TForm1::RzBmpButton2Click(BmpButton&) {
  // Posted, so the click finishes before the window goes.
  QMetaObject::invokeMethod(this, &QWidget::showMinimized, Qt::QueuedConnection);
}

void TForm1::RzBmpButton3Click(BmpButton&) { close(); }

void TForm1::DrawGrid(int mode) { ::DrawGrid(mode); }

void TForm1::DrawGraph(int band, int channel) { ::DrawGraph(band, channel); }

// The plot is rebuilt at its new size, or at a new screen's pixel density.
void TForm1::FormResize() {
  DrawGrid(GridResize);
  if (!firstShowDone_) return;  // no page is on show yet
  DrawGraph(20, ChannelOf(bindingState.CurrentPageAddress));
  DrawSelectedBand();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (firstShowDone_) return;
  firstShowDone_ = true;
  if (QWindow* window = windowHandle()) connect(window, &QWindow::screenChanged, this, [this] { FormResize(); });
  FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceRegions();
  FormResize();
}

void TForm1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), theme::WindowBlue);
  painter.setPen(QPen(theme::WindowBorder, WindowBorder));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// A press on the window's own surface (the title, its picture, the border, any gap between
// controls) moves the window; controls take their own presses and never get here.
void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || isMaximized()) return;
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  moving_ = true;
  movePress_ = event->globalPosition().toPoint();
  moveOrigin_ = pos();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  if (moving_ && (event->buttons() & Qt::LeftButton)) move(moveOrigin_ + event->globalPosition().toPoint() - movePress_);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) moving_ = false;
}

bool TForm1::OwnsWidget(const QWidget* widget) const {
  for (const QWidget* up = widget; up; up = up->parentWidget())
    if (up == this) return true;
  return false;
}

// Every gesture on the window's controls is one step of the edit history: it starts with a press of
// a mouse button or a key and ends once its release has been handled (a turn of the wheel once it
// has been handled). The window's undo keys win over a line edit's own undo.
//
// The wheel over any control of the window steps the current band edit, once a band edit has been
// clicked; only the mode-file list scrolls itself. The window looks at the wheel before the control
// under the pointer does, as a line edit would otherwise keep it.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress;
  const bool release = type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease;
  if (!press && !release && type != QEvent::Wheel && type != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !OwnsWidget(widget)) return false;
  if (type == QEvent::ShortcutOverride) return IsHistoryKey(*static_cast<QKeyEvent*>(event));
  if (press || type == QEvent::Wheel) history_.Begin();
  if (release || type == QEvent::Wheel) QMetaObject::invokeMethod(this, [this] { history_.End(); }, Qt::QueuedConnection);
  if (type != QEvent::Wheel || widget->window() != this) return false;
  for (QWidget* up = widget; up && up != this; up = up->parentWidget())
    if (qobject_cast<ValueList*>(up)) return false;
  if (!FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y())) return false;
  event->accept();
  return true;
}

// The close query: the link says goodbye when connected; closing is never refused.
void TForm1::closeEvent(QCloseEvent* event) {
  LinkFormCloseQuery();
  event->accept();
}
