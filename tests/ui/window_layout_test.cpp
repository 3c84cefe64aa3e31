// The window's layout on every page, at its design size and on a large screen: no control overlaps another,
// none sticks out of its container, no caption is cut off, every edit and read-out has room for the
// widest value it can show, and the channel pages keep clear of the band editor and the
// graph panel.

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

#include "bmp_button.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "edit.h"
#include "label.h"
#include "main_form.h"
#include "page_control.h"
#include "scroll_box.h"
#include "status_pane.h"
#include "track_bar.h"
#include "value_scales.h"

namespace {

// The parts of the window that lie over others by design: the regions of the window (the page bar
// over the title picture's lowest pixels, the graph panel and the band editor over the pages), and
// the handles and read-out over the plot.
bool OverlaysByDesign(const QWidget* parent) {
  static const QStringList names{"Form1", "AdvPanel2", "RzGroupBox2"};
  return names.contains(parent->objectName());
}

// The controls inside a widget as the layout sees them: a scroll box holds its scrolled content; lists,
// edits and tables are single controls.
QList<QWidget*> Kids(QWidget* widget) {
  if (auto* box = qobject_cast<ScrollBox*>(widget)) return {box->widget()};
  if (qobject_cast<QAbstractScrollArea*>(widget) || qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget))
    return {};
  QList<QWidget*> kids;
  for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isVisible() && !child->isWindow()) kids << child;
  return kids;
}

QString Describe(const QWidget* w) {
  return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName()) +
         QStringLiteral(" in ") + (w->parentWidget() ? w->parentWidget()->objectName() : QString());
}

// The widest of the texts a control can show: every step from 0 to last in the kind's text form
// (kind 0, the volume panes, shows the step itself), with a suffix.
QString Widest(const QFontMetrics& metrics, int kind, int last, const QString& suffix = {}) {
  QString widest;
  for (int x = 0; x <= last; ++x) {
    const QString text = QString::fromStdString(ValueKindText(kind, x).value_or(std::to_string(x))) + suffix;
    if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
  }
  return widest;
}

// What an edit or a read-out pane can show at its widest: a band edit every step of its scale, the
// common band editor's edits theirs (the gain with "dB"), a pane every position of its slider.
QString WidestShown(QWidget* w, const QFontMetrics& metrics) {
  static const std::map<QString, std::pair<int, QString>> bandEditor{
      {"ComEQFreEdit", {2, ""}}, {"ComEQGainEdit", {3, "dB"}}, {"ComEQQvalueEdit", {4, ""}}};
  static const std::map<int, int> lastStep{{2, 361}, {3, 180}, {4, 100}};
  if (auto* edit = qobject_cast<Edit*>(w)) {
    if (const auto it = bandEditor.find(edit->objectName()); it != bandEditor.end())
      return Widest(metrics, it->second.first, lastStep.at(it->second.first), it->second.second);
    const int kind = edit->Hint.toInt();
    if (lastStep.count(kind)) return Widest(metrics, kind, lastStep.at(kind));
    return edit->Text();
  }
  auto* pane = qobject_cast<StatusPane*>(w);
  auto* slider = pane ? PrimaryAs<TrackBar>(pane->Tag) : nullptr;
  return slider ? Widest(metrics, pane->Hint.toInt(), slider->Max()) : pane->Caption();
}

void CheckTextFits(QWidget* w, std::vector<std::string>& faults) {
  const QFontMetrics metrics(w->font());
  QString text;
  int room = w->width();
  if (auto* label = qobject_cast<Label*>(w)) {
    text = label->Caption();
  } else if (auto* button = qobject_cast<BmpButton*>(w)) {
    text = button->Caption();
    room -= 4;
  } else if (auto* edit = qobject_cast<Edit*>(w)) {
    text = WidestShown(edit, metrics);
    room -= 4 + edit->textMargins().left() + edit->textMargins().right();
  } else if (qobject_cast<StatusPane*>(w)) {
    text = WidestShown(w, metrics);
    room -= 6;
  } else if (auto* list = qobject_cast<ComboBox*>(w)) {
    for (const QString& item : list->Items())
      if (metrics.horizontalAdvance(item) > metrics.horizontalAdvance(text)) text = item;
    room -= 24;  // the drop-down arrow
  }
  // A text of several lines is as wide as its widest line.
  if (!text.isEmpty() && metrics.size(0, text).width() > room)
    faults.push_back(("text cut off: \"" + text + "\" in " + Describe(w)).toStdString());
}

void CheckTree(QWidget* parent, std::vector<std::string>& faults) {
  const QList<QWidget*> kids = Kids(parent);
  const bool scrolled = qobject_cast<ScrollBox*>(parent) != nullptr;
  for (int i = 0; i < kids.size(); ++i) {
    QWidget* kid = kids[i];
    if (!scrolled && !parent->rect().contains(kid->geometry()))
      faults.push_back(("sticks out: " + Describe(kid)).toStdString());
    if (!OverlaysByDesign(parent))
      for (int j = i + 1; j < kids.size(); ++j)
        if (kid->geometry().intersects(kids[j]->geometry()))
          faults.push_back(("overlap: " + Describe(kid) + " and " + Describe(kids[j])).toStdString());
    CheckTextFits(kid, faults);
    CheckTree(kid, faults);
  }
}

QRect GlobalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// A channel page's controls lie left of the band editor and above the graph panel.
void CheckPageClear(TForm1& form, QWidget* sheet, std::vector<std::string>& faults) {
  const QRect editor = GlobalRect(form.Control<QWidget>("EQCotrolGrop"));
  const QRect graph = GlobalRect(form.Control<QWidget>("AdvPanel1"));
  for (QWidget* w : sheet->findChildren<QWidget*>()) {
    // Scrolled content is seen through its box, which is checked itself.
    bool scrolled = false;
    for (QWidget* up = w->parentWidget(); up != sheet; up = up->parentWidget()) scrolled |= qobject_cast<ScrollBox*>(up) != nullptr;
    if (!w->isVisible() || scrolled) continue;
    const QRect r = GlobalRect(w);
    if (r.intersects(editor) || r.bottom() >= graph.top())
      faults.push_back(("under the band editor or the graph: " + Describe(w)).toStdString());
  }
}

// The window at its design size, and grown as a maximised window on a large screen grows it.
class WindowLayoutTest : public ::testing::TestWithParam<QSize> {};

TEST_P(WindowLayoutTest, EveryPageIsLaidOutCleanly) {
  TForm1 form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  if (!GetParam().isEmpty()) form.resize(GetParam());
  auto* pages = form.Control<PageControl>("FormPageItem");
  for (int page = 0; page < 8; ++page) {
    SCOPED_TRACE(page);
    form.findChild<BmpButton*>(QStringLiteral("FormTabBtn%1").arg(page + 1))->Click();
    QCoreApplication::processEvents();
    std::vector<std::string> faults;
    CheckTree(&form, faults);
    if (page < 7) CheckPageClear(form, pages->Pages(page), faults);
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowLayoutTest, ::testing::Values(QSize(), QSize(1920, 1040)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                           return size.param.isEmpty() ? std::string("DesignSize") : std::string("LargeScreen");
                         });

}  // namespace
