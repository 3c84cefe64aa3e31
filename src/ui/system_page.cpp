#include "system_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "bmp_button.h"
#include "button_looks.h"
#include "combo_box.h"
#include "control_accessible_names.h"
#include "control_factory.h"
#include "control_names.h"
#include "edit.h"
#include "label.h"
#include "page_control.h"
#include "page_rows.h"
#include "panel.h"
#include "panel_tables.h"
#include "status_pane.h"
#include "theme.h"
#include "track_bar.h"
#include "value_list.h"

namespace {

constexpr int FieldWidth = 120;
constexpr int FieldHeight = 22;

// A panel with a grid of caption and field columns; headings and wide parts span both.
struct FieldGrid {
  explicit FieldGrid(Panel* panel) : panel(panel), grid(new QGridLayout(panel)) {
    grid->setContentsMargins(12, 8 + panel->CaptionHeight(), 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);
  }
  Label* Caption(const char* text, int column = 0) {
    auto* label = new Label(QString::fromUtf8(text), panel);
    label->setFixedHeight(FieldHeight);
    grid->addWidget(label, row, column);
    return label;
  }
  void Heading(const char* text) {
    auto* label = new Label(QString::fromUtf8(text), panel);
    label->setFont(theme::UiFont(12, true));
    label->setFixedHeight(FieldHeight);
    Span(label);
  }
  void Span(QWidget* widget) { grid->addWidget(widget, row++, 0, 1, 3); }
  void Field(const char* caption, QWidget* field, QWidget* extra = nullptr) {
    Caption(caption);
    field->setAccessibleName(AccessibleCaption(caption));
    grid->addWidget(field, row, 1);
    if (extra) grid->addWidget(extra, row, 2, Qt::AlignLeft);
    ++row;
  }
  void End() { grid->setRowStretch(row, 1); }

  Panel* panel;
  QGridLayout* grid;
  int row = 0;
};

Edit* PasswordField(QWidget* parent, const char* name, int length, bool masked, bool enabled = true) {
  auto* edit = NewControl<Edit>(parent, name);
  edit->setMaxLength(length);
  if (masked) edit->setEchoMode(QLineEdit::Password);
  edit->setEnabled(enabled);
  edit->setFixedSize(FieldWidth, FieldHeight);
  return edit;
}

BmpButton* Command(QWidget* parent, const char* name, const char* caption, int width) {
  auto* button = NewControl<BmpButton>(parent, name, QString::fromLatin1(caption));
  LookCommand(*button, width);
  return button;
}

struct CommandEntry {
  const char* name;
  const char* caption;
  int width;
};

// Command buttons side by side, from the left.
QWidget* CommandStrip(QWidget* parent, std::initializer_list<CommandEntry> commands) {
  auto* strip = new QWidget(parent);
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(0, 2, 0, 2);
  layout->setSpacing(10);
  for (const CommandEntry& c : commands) layout->addWidget(Command(strip, c.name, c.caption, c.width));
  layout->addStretch(1);
  return strip;
}

void PasswordChange(FieldGrid& form, const PasswordChangeFields& change) {
  form.Heading(change.heading);
  form.Field("Old Password：", PasswordField(form.panel, change.fields[0], change.length, change.oldMasked));
  form.Field("New Password：", PasswordField(form.panel, change.fields[1], change.length, true, false));
  form.Field("New Password Again：", PasswordField(form.panel, change.fields[2], change.length, true, false));
}

Panel* SystemPasswordPanel(QWidget* parent) {
  FieldGrid form(NewControl<Panel>(parent, "CurvyPanel22"));
  form.Field("System Password：", PasswordField(form.panel, ControlName::SysPassEdit, SystemPasswordChange.length, true),
             Command(form.panel, ControlName::RzBmpButton118, "OK", 60));
  const PageRow& level = SystemRadioRows()[0];
  form.Heading(level.caption.c_str());
  auto* choice = NewControl<Panel>(form.panel, ControlName::SysUserMangerGrop);
  choice->SetColor(QColor());
  choice->SetBorderColor(QColor());
  auto* choiceLayout = new QHBoxLayout(choice);
  choiceLayout->setContentsMargins(0, 0, 0, 0);
  choiceLayout->addWidget(BuildButtonStrip(level, choice));
  choice->setEnabled(false);
  form.Span(choice);
  PasswordChange(form, SystemPasswordChange);
  form.End();
  return form.panel;
}

Panel* KeyLockPanel(QWidget* parent) {
  FieldGrid form(NewControl<Panel>(parent, "CurvyPanel19"));
  const PageRow& lock = SystemRadioRows()[1];
  form.Caption(lock.caption.c_str())->setFont(theme::UiFont(12, true));
  form.grid->addWidget(BuildButtonStrip(lock, form.panel), form.row++, 1, 1, 2);
  PasswordChange(form, KeyLockPasswordChange);
  form.End();
  return form.panel;
}

Panel* PresetPanel(QWidget* parent) {
  FieldGrid form(NewControl<Panel>(parent, "CurvyPanel20", QStringLiteral("Equipment Mode Management")));
  const PageRow& row = PresetRow();
  auto* presets = NewControl<ComboBox>(form.panel, row.list);
  QStringList items;
  for (const std::string& item : row.items) items << FromUtf8(item);
  presets->SetItems(items);
  presets->SetItemIndex(0);
  presets->setFixedSize(FieldWidth + 60, FieldHeight);
  form.Field(row.caption.c_str(), presets);
  auto* name = NewControl<Edit>(form.panel, ControlName::PresetModeEdit);
  name->setMaxLength(20);
  name->setFixedSize(FieldWidth + 60, FieldHeight);
  form.Field("Mode Name：", name);
  auto* current = NewControl<Label>(form.panel, ControlName::CurrentModeLabel, QString::fromUtf8("（Current Mode：1 ）"));
  form.Span(current);
  QWidget* buttons = CommandStrip(
      form.panel, {{ControlName::RzBmpButton121, "Call Equipment Mode", 150}, {ControlName::RzBmpButton138, "Save Equipment Mode", 150}});
  buttons->findChild<QWidget*>(QString::fromLatin1(ControlName::RzBmpButton138))->setEnabled(false);
  form.Span(buttons);
  form.End();
  return form.panel;
}

Panel* VolumePanel(QWidget* parent) {
  FieldGrid form(NewControl<Panel>(parent, "RzGroupBox4", QStringLiteral("Volume Management")));
  for (const PageRow& row : VolumeManagementRows()) {
    form.Caption(row.caption.c_str());
    form.grid->addWidget(NewRowSlider(row, form.panel), form.row, 1, 1, 2);
    auto* pane = NewRowPane(row, form.panel);
    pane->setFixedSize(40, 20);
    form.grid->addWidget(pane, form.row++, 3);
  }
  form.grid->setColumnStretch(1, 1);
  form.End();
  return form.panel;
}

Panel* ModeFilePanel(QWidget* parent) {
  FieldGrid form(NewControl<Panel>(parent, "CurvyPanel23", QStringLiteral("Computer Data Backup Mnagement")));
  auto* name = NewControl<Edit>(form.panel, ControlName::FileEdit);
  name->setFixedHeight(FieldHeight);
  name->setAccessibleName(form.panel->Caption());  // the field has no caption of its own
  form.Span(name);
  form.Span(CommandStrip(form.panel, {{ControlName::RzBmpButton120, "Save date in PC", 150},
                                      {ControlName::RzBmpButton119, "Upload date to Equipment", 170}}));
  auto* list = new ValueList(QStringLiteral("      Number"), QString::fromUtf8("                   （Computer）Date Name"),
                             form.panel);
  list->setObjectName(QString::fromLatin1(ControlName::ValueListEditor1));
  form.grid->addWidget(list, form.row, 0, 1, 3);
  form.grid->setRowStretch(form.row, 1);
  return form.panel;
}

QWidget* DeviceIdentity(QWidget* parent) {
  auto* strip = new QWidget(parent);
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(12, 0, 0, 0);
  auto* caption = new Label(QString::fromUtf8("Equipment  Management Code："), strip);
  caption->setFont(theme::UiFont(12, true));
  layout->addWidget(caption);
  auto* id = NewControl<Label>(strip, ControlName::DeviceIDLabel, QStringLiteral("--------"));
  id->setFont(theme::UiFont(13, true));
  id->SetFontColor(theme::ReadoutText);
  layout->addWidget(id);
  layout->addStretch(1);
  return strip;
}

}  // namespace

void BuildSystemPage(TabSheet& sheet) {
  auto* grid = new QGridLayout(&sheet);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setSpacing(8);
  grid->addWidget(SystemPasswordPanel(&sheet), 0, 0);
  grid->addWidget(KeyLockPanel(&sheet), 1, 0);
  grid->addWidget(PresetPanel(&sheet), 0, 1);
  grid->addWidget(VolumePanel(&sheet), 1, 1);
  grid->addWidget(ModeFilePanel(&sheet), 0, 2, 2, 1);
  // The bottom strip: the device identity on the left; the lock panel of the main window appears in
  // the middle of it when the key lock engages.
  grid->addWidget(DeviceIdentity(&sheet), 2, 0, 1, 3);
  grid->setRowMinimumHeight(2, LockStripHeight);
  grid->setColumnStretch(0, 10);
  grid->setColumnStretch(1, 10);
  grid->setColumnStretch(2, 11);
  grid->setRowStretch(0, 5);
  grid->setRowStretch(1, 4);
}

Panel* BuildLockPanel(QWidget* form) {
  auto* panel = NewControl<Panel>(form, ControlName::FirstCheckGrop);
  panel->SetBorderColor(QColor(255, 184, 64));
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(16, 10, 16, 10);
  layout->setSpacing(10);
  const char* caption = "Input UnLock Password：";
  auto* label = new Label(QString::fromUtf8(caption), panel);
  label->setFont(theme::UiFont(13, true));
  layout->addWidget(label);
  Edit* password = PasswordField(panel, ControlName::PanelPassWordEdit, UnlockFieldLength, true);
  password->setAccessibleName(AccessibleCaption(caption));
  layout->addWidget(password);
  layout->addWidget(Command(panel, ControlName::RzBmpButton4, "OK", 60));
  panel->adjustSize();
  panel->hide();
  return panel;
}
