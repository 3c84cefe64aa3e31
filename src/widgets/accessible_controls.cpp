#include "accessible_controls.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include "bmp_button.h"
#include "image.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

// A name given to the control, or what QAccessibleWidget finds (a label's buddy), or else the text
// the control shows.
QString NameOr(const QAccessibleWidget& iface, const QString& shown) {
  const QString name = iface.QAccessibleWidget::text(QAccessible::Name);
  return name.isEmpty() ? shown : name;
}

// The text a read-out shows: a line edit's or a label's.
QString ShownText(const QWidget* readout) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(readout)) return edit->text();
  if (const auto* label = qobject_cast<const QLabel*>(readout)) return label->text();
  return {};
}

class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SliderAccessible(TrackBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    const QString shown = ShownText(Bar()->ValueReadout());
    if (shown.isEmpty()) return QString::number(Bar()->Position());
    return Bar()->ValueUnit().isEmpty() ? shown : shown + QLatin1Char(' ') + Bar()->ValueUnit();
  }

  QVariant currentValue() const override { return Bar()->Position(); }
  void setCurrentValue(const QVariant& value) override {
    if (Bar()->isEnabled()) Bar()->SetPosition(value.toInt());
  }
  QVariant maximumValue() const override { return Bar()->Max(); }
  QVariant minimumValue() const override { return Bar()->minimum(); }
  QVariant minimumStepSize() const override { return Bar()->singleStep(); }

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == increaseAction() || action == decreaseAction()) {
      if (Bar()->isEnabled())
        Bar()->triggerAction(action == increaseAction() ? QAbstractSlider::SliderSingleStepAdd
                                                        : QAbstractSlider::SliderSingleStepSub);
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  TrackBar* Bar() const { return static_cast<TrackBar*>(widget()); }
};

QAccessible::Role RoleOf(const BmpButton& button) {
  switch (button.Kind()) {
    case ButtonKind::Radio: return QAccessible::RadioButton;
    case ButtonKind::PageTab: return QAccessible::PageTab;
    case ButtonKind::Command: break;
  }
  return button.isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

class ButtonAccessible : public QAccessibleWidget {
 public:
  explicit ButtonAccessible(BmpButton* button) : QAccessibleWidget(button, RoleOf(*button)) {}

  QAccessible::Role role() const override { return RoleOf(*Button()); }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->isDown();
    if (Button()->isCheckable()) {
      state.checkable = true;
      state.checked = Button()->isChecked();
      if (Button()->Kind() == ButtonKind::PageTab) state.selected = Button()->isChecked();
    }
    return state;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return NameOr(*this, Button()->text());
    return QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override {
    QStringList names{pressAction()};
    if (Button()->isCheckable() && Button()->Kind() == ButtonKind::Command) names << toggleAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction())
      Button()->Click();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  BmpButton* Button() const { return static_cast<BmpButton*>(widget()); }
};

class ReadoutAccessible : public QAccessibleWidget {
 public:
  explicit ReadoutAccessible(StatusPane* pane) : QAccessibleWidget(pane, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const QString shown = static_cast<StatusPane*>(widget())->Caption();
    if (t == QAccessible::Name) return NameOr(*this, shown);
    if (t == QAccessible::Value) return shown;
    return QAccessibleWidget::text(t);
  }
};

class SpinAccessible : public QAccessibleWidget {
 public:
  explicit SpinAccessible(SpinButtons* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    auto* spin = static_cast<SpinButtons*>(widget());
    if (action == increaseAction() || action == decreaseAction()) {
      if (spin->isEnabled()) spin->Step(action == increaseAction());
      return;
    }
    QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* ControlInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("TrackBar")) return new SliderAccessible(static_cast<TrackBar*>(object));
  if (className == QLatin1String("BmpButton")) return new ButtonAccessible(static_cast<BmpButton*>(object));
  if (className == QLatin1String("StatusPane")) return new ReadoutAccessible(static_cast<StatusPane*>(object));
  if (className == QLatin1String("SpinButtons")) return new SpinAccessible(static_cast<SpinButtons*>(object));
  if (className == QLatin1String("Image")) return new QAccessibleWidget(static_cast<Image*>(object), QAccessible::Graphic);
  return nullptr;
}

// Installed as the program loads, before any control exists: Qt keeps the first interface it makes
// for an object, and a control may be asked for one while its base class is still being built.
const bool installed = (QAccessible::installFactory(&ControlInterface), true);

}  // namespace

bool InstallControlAccessibility() { return installed; }
