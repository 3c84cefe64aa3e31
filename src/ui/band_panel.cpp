#include "band_panel.h"

#include "combo_box.h"
#include "control_factory.h"
#include "control_names.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "panel.h"
#include "pictures.h"
#include "scroll_box.h"
#include "spin_buttons.h"
#include "theme.h"
#include "track_bar.h"

namespace {

constexpr int HeaderWidth = 58;
constexpr int EditHeight = 19;
constexpr int SpinWidth = 12;
constexpr int ScrollSliderHeight = 18;
constexpr int Margin = 3;  // left and right inside a band column

// Where the controls of a band column lie, top to bottom, for a column of the given size.
struct ColumnGeometry {
  ColumnGeometry(int pitch, int height) {
    const int inner = pitch - 2 * Margin;
    number = QRect(Margin, 0, inner, 16);
    images = QPoint((pitch - (3 * ModeImageSize.width() + 4)) / 2, 18);
    mode = QRect(Margin, 35, inner, 20);
    const int editsTop = height - 3 * EditHeight - 2 * 2;
    gain = QRect((pitch - 22) / 2, 58, 22, editsTop - 3 - 58);
    for (int i = 0; i < 3; ++i) edits[i] = QRect(Margin, editsTop + i * (EditHeight + 2), inner - SpinWidth, EditHeight);
  }
  QRect number;
  QPoint images;
  QRect mode;
  QRect gain;
  QRect edits[3];  // gain, frequency, Q
};

void BuildColumn(const EqGroup& group, int band, const ColumnGeometry& at, QWidget* column) {
  const auto name = [&](BandPart part) { return BandControlName(group, part, band); };

  auto* number = NewControl<Label>(column, name(BandPart::PointLabel), QString::number(band));
  number->setGeometry(at.number);
  number->setAlignment(Qt::AlignCenter);
  number->setFont(theme::UiFont(12, true));
  number->Tag = group.channel;
  number->Hint = QString::number(FirstFrequencySlot(group));

  const BandPart images[3] = {BandPart::PeqImage, BandPart::LsqImage, BandPart::HsqImage};
  for (int mode = 0; mode < 3; ++mode) {
    auto* image = NewControl<Image>(column, name(images[mode]));
    image->SetPicture(ModePicture(mode, mode == 0));
    image->setGeometry(QRect(at.images + QPoint(mode * (ModeImageSize.width() + 2), 0), ModeImageSize));
  }

  auto* mode = NewControl<ComboBox>(column, name(BandPart::ModeBox));
  mode->SetItems({BandModeItems[0], BandModeItems[1], BandModeItems[2]});
  mode->SetItemIndex(0);
  mode->setFont(theme::UiFont(11));
  mode->setGeometry(at.mode);
  mode->Hint = QString::fromLatin1(DesignOf(BandPart::ModeBox).hint);

  auto* gain = NewControl<TrackBar>(column, name(BandPart::GainBar), Qt::Vertical);
  gain->SetMax(BandGainMax);
  gain->SetPosition(BandGainMax);
  gain->setGeometry(at.gain);

  const struct {
    BandPart edit, spin;
  } edits[3] = {{BandPart::GainEdit, BandPart::GainSpin}, {BandPart::FreEdit, BandPart::FreSpin}, {BandPart::QEdit, BandPart::QSpin}};
  for (int i = 0; i < 3; ++i) {
    auto* edit = NewControl<Edit>(column, name(edits[i].edit));
    edit->Hint = QString::fromLatin1(DesignOf(edits[i].edit).hint);
    edit->SetText(QString::fromLatin1(DesignOf(edits[i].edit).designText));
    edit->setFont(theme::UiFont(11));
    edit->setAlignment(Qt::AlignCenter);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setGeometry(at.edits[i]);
    auto* spin = NewControl<SpinButtons>(column, name(edits[i].spin));
    spin->setGeometry(at.edits[i].right() + 1, at.edits[i].top(), SpinWidth, EditHeight);
  }
}

void AddHeader(const QString& text, int top, QWidget* panel) {
  auto* label = new Label(text, panel);
  label->setGeometry(8, top, HeaderWidth - 10, EditHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetFontColor(theme::DimText);
}

}  // namespace

Panel* BuildBandPanel(const EqGroup& group, int pitch, int shown, int height, QWidget* parent) {
  auto* panel = new Panel(QString::fromUtf8(group.title), parent);
  const bool scrolled = BandCountOf(group) > shown;
  const int top = panel->CaptionHeight();
  const int columnHeight = height - top - 6 - (scrolled ? ScrollSliderHeight + 2 : 0);
  panel->setFixedSize(HeaderWidth + shown * pitch + 6, height);

  const ColumnGeometry at(pitch, columnHeight);
  AddHeader(QStringLiteral("EQ Type"), top + at.mode.top(), panel);
  AddHeader(QStringLiteral("Gain(dB)"), top + at.edits[0].top(), panel);
  AddHeader(QStringLiteral("Fre(Hz)"), top + at.edits[1].top(), panel);
  AddHeader(QStringLiteral("Q"), top + at.edits[2].top(), panel);

  auto* box = NewControl<ScrollBox>(panel, group.scrollBox);
  box->setGeometry(HeaderWidth, top, shown * pitch, columnHeight);
  box->SetScrollBarShown(false);
  auto* columns = new QWidget;
  columns->resize(BandCountOf(group) * pitch, columnHeight);
  for (int band = 1; band <= BandCountOf(group); ++band) {
    auto* column = new QWidget(columns);
    column->setGeometry((band - 1) * pitch, 0, pitch, columnHeight);
    BuildColumn(group, band, at, column);
  }
  box->SetContent(columns);

  if (scrolled) {
    // MicPanScrollBar: one step per column that lies out of view.
    auto* scroller = NewControl<TrackBar>(panel, ControlName::MicPanScrollBar, Qt::Horizontal);
    scroller->SetMax(BandCountOf(group) - shown);
    scroller->SetPosition(0);
    scroller->setGeometry(HeaderWidth, top + columnHeight + 2, shown * pitch, ScrollSliderHeight);
  }
  return panel;
}
