#include "band_editor.h"

#include "control_factory.h"
#include "control_names.h"
#include "edit.h"
#include "label.h"
#include "panel.h"
#include "panel_tables.h"
#include "spin_buttons.h"
#include "theme.h"
#include "track_bar.h"
#include "window_metrics.h"

namespace {

constexpr int ColumnWidth = 57;
constexpr int Gap = 1;
constexpr int Left = 3;
constexpr int EditHeight = 19;
constexpr int SpinWidth = 12;
constexpr int ScaleWidth = 30;  // the gain column's scale labels left of its slider

// The end labels of the frequency and Q columns, top and bottom; the gain column has a scale.
const char* const EndLabels[3][2] = {{"20600.0Hz", "19.7Hz"}, {nullptr, nullptr}, {"128.00", "0.40"}};

// The gain scale beside its slider, each mark at its own step (0.2 dB a step, 0 dB at 120). The
// slider ends at -24 dB, so the bottom mark reads "-24" where a "+24" would stand at no step at all.
const struct {
  const char* text;
  int step;
} GainScale[] = {{"+12﹣", 180}, {"+6 ﹣", 150}, {" 0 ﹣", 120}, {"-6 ﹣", 90}, {"-12﹣", 60}, {"-18 ﹣", 30}, {"-24﹣", 0}};

Label* SmallLabel(const QString& text, const QRect& at, Qt::Alignment align, QWidget* parent) {
  auto* label = new Label(text, parent);
  label->setFont(theme::UiFont(10));
  label->SetFontColor(theme::DimText);
  label->setAlignment(align);
  label->setGeometry(at);
  return label;
}

}  // namespace

Panel* BuildBandEditor(int height, QWidget* parent) {
  auto* group = NewControl<Panel>(parent, ControlName::EQCotrolGrop);
  group->setFixedSize(BandEditorWidth, height);

  auto* title = NewControl<Label>(group, ControlName::COMEQlabel, QString::fromUtf8(BandEditorTitlePrefix) + QStringLiteral("1"));
  title->setFont(theme::UiFont(12, true));
  title->setGeometry(Left + 2, 4, BandEditorWidth - 2 * Left, 18);

  const int captionTop = 24, endTop = 42, sliderTop = 56;
  const int editTop = height - 6 - EditHeight;
  const int sliderBottom = editTop - 16;
  for (int i = 0; i < 3; ++i) {
    const BandEditorColumn& c = BandEditorColumns[static_cast<std::size_t>(i)];
    const char* top = EndLabels[i][0];
    const char* bottom = EndLabels[i][1];
    const int x = Left + i * (ColumnWidth + Gap);
    const bool scaled = top == nullptr;
    SmallLabel(QString::fromUtf8(c.caption), QRect(x, captionTop, ColumnWidth, 16), Qt::AlignCenter, group)
        ->setFont(theme::UiFont(12, true));

    auto* slider = NewControl<TrackBar>(group, c.slider, Qt::Vertical);
    slider->SetMax(c.max);
    slider->SetPosition(1);
    const int sliderX = scaled ? x + ScaleWidth : x + (ColumnWidth - 22) / 2;
    slider->setGeometry(sliderX, sliderTop, 22, sliderBottom - sliderTop);
    if (scaled) {
      for (const auto& mark : GainScale) {
        const int y = sliderTop + slider->CentreAt(mark.step);
        SmallLabel(QString::fromUtf8(mark.text), QRect(x, y - 6, ScaleWidth, 12), Qt::AlignRight | Qt::AlignVCenter, group);
      }
    } else {
      SmallLabel(QString::fromUtf8(top), QRect(x, endTop, ColumnWidth, 14), Qt::AlignCenter, group);
      SmallLabel(QString::fromUtf8(bottom), QRect(x, sliderBottom + 1, ColumnWidth, 14), Qt::AlignCenter, group);
    }

    auto* edit = NewControl<Edit>(group, c.edit);
    edit->setReadOnly(true);
    edit->setFont(theme::UiFont(11));
    edit->setAlignment(Qt::AlignCenter);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setGeometry(x, editTop, ColumnWidth - SpinWidth, EditHeight);
    auto* spin = NewControl<SpinButtons>(group, c.spin);
    spin->setGeometry(x + ColumnWidth - SpinWidth, editTop, SpinWidth, EditHeight);
  }
  return group;
}
