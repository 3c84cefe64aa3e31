#include "window_bars.h"

#include <QHBoxLayout>
#include <algorithm>

#include "bmp_button.h"
#include "button_looks.h"
#include "control_factory.h"
#include "control_names.h"
#include "image.h"
#include "label.h"
#include "panel.h"
#include "page_rows.h"
#include "panel_tables.h"
#include "pictures.h"
#include "status_pane.h"
#include "theme.h"
#include "track_bar.h"
#include "window_metrics.h"

namespace {

const char* const WindowButtons[3] = {"RzBmpButton2", "RzBmpButton1", "RzBmpButton3"};
// They show glyphs only; screen readers read these.
const char* const WindowButtonNames[3] = {"Minimise", "Maximise", "Close"};

// One master volume: caption, slider and read-out. The captions share one width so that the three
// sliders are equally long.
QWidget* MasterVolume(const PageRow& row, int captionWidth, QWidget* parent) {
  auto* cell = new QWidget(parent);
  auto* layout = new QHBoxLayout(cell);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  auto* caption = new Label(FromUtf8(row.caption), cell);
  caption->setFont(theme::UiFont(12, true));
  caption->setFixedWidth(captionWidth);
  caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(caption);
  auto* slider = NewRowSlider(row, cell);
  slider->setMinimumWidth(50);
  layout->addWidget(slider, 1);
  auto* pane = NewRowPane(row, cell);
  pane->setFixedSize(26, 18);
  layout->addWidget(pane);
  return cell;
}

}  // namespace

void BuildTitleBar(QWidget* form) {
  auto* picture = NewControl<Image>(form, "Image2");
  picture->SetStretch(true);
  picture->SetPicture(TitlePicture(QSize(ClientWidth, TitleHeight)));
  // Drawn-only parts of the title belong to the window's surface: a press on them moves the window.
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);

  auto* title = NewControl<Label>(form, "Label77", QStringLiteral("Zadav Udedaz Evavozazad Ov 1.1.6"));
  title->setFont(theme::UiFont(15));
  title->SetFontColor(Qt::white);
  title->setAttribute(Qt::WA_TransparentForMouseEvents);
  title->adjustSize();

  const WindowGlyph glyphs[3] = {WindowGlyph::Minimise, WindowGlyph::Maximise, WindowGlyph::Close};
  for (int i = 0; i < 3; ++i) {
    auto* button = NewControl<BmpButton>(form, WindowButtons[i]);
    LookWindow(*button, glyphs[i]);
    button->setAccessibleName(QString::fromLatin1(WindowButtonNames[i]));
  }
}

void PlaceTitleBar(QWidget* form, int left, int top, int width) {
  form->findChild<Image*>("Image2")->setGeometry(left, top, width, TitleHeight);
  auto* title = form->findChild<Label*>("Label77");
  title->move(left + 10, top + (PageBarTop - title->height()) / 2);
  for (int i = 0; i < 3; ++i) {
    auto* button = form->findChild<BmpButton*>(WindowButtons[i]);
    button->move(left + width - (3 - i) * (WindowButtonSize.width() + 2) - 2, top + 1);
  }
}

Panel* BuildPageBar(QWidget* form) {
  auto* bar = NewControl<Panel>(form, ControlName::TopTileGrop);
  bar->SetColor(QColor(4, 30, 96));
  bar->SetBorderColor(QColor());
  bar->SetRadius(0);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(4, 2, 6, 2);
  layout->setSpacing(2);
  for (int page = 0; page < PageCount; ++page) {
    auto* button = NewControl<BmpButton>(bar, Pages[page].button, QString::fromUtf8(Pages[page].buttonCaption));
    LookPage(*button);
    button->Tag = page;
    layout->addWidget(button);
  }
  layout->addSpacing(8);

  auto* volumes = NewControl<Panel>(bar, ControlName::MUSBarBox);
  volumes->SetColor(QColor());
  volumes->SetBorderColor(QColor());
  auto* volumeLayout = new QHBoxLayout(volumes);
  volumeLayout->setContentsMargins(0, 0, 0, 0);
  volumeLayout->setSpacing(10);
  const QFontMetrics captions(theme::UiFont(12, true));
  int captionWidth = 0;
  for (const PageRow& row : MasterVolumeRows()) captionWidth = std::max(captionWidth, captions.horizontalAdvance(FromUtf8(row.caption)));
  for (const PageRow& row : MasterVolumeRows()) volumeLayout->addWidget(MasterVolume(row, captionWidth + 2, volumes), 1);
  layout->addWidget(volumes, 1);

  NewControl<Label>(bar, ControlName::LinkLabel)->hide();
  return bar;
}
