#include "channel_pages.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QVBoxLayout>

#include "band_panel.h"
#include "page_control.h"
#include "page_rows.h"
#include "panel.h"
#include "window_metrics.h"

namespace {

constexpr int ColumnPitch = 65;

}  // namespace

void BuildChannelPage(int page, TabSheet& sheet) {
  auto* outer = new QVBoxLayout(&sheet);
  outer->setContentsMargins(PageMargin, 4, PageMargin + BandEditorWidth + PageMargin, 0);
  auto* content = new QWidget(&sheet);
  content->setFixedHeight(ChannelPageHeight);
  outer->addWidget(content);
  outer->addStretch(1);

  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(PageMargin);
  const std::vector<RowColumn>& columns = PageRows(page);
  const bool mic = page == 1;
  const QString title = page == 0 ? QStringLiteral("Music Input") : QString();
  // A panel whose captions and read-outs take more room gets more of the page, so that the sliders
  // of the page come out about equally long.
  for (const RowColumn& column : columns) {
    Panel* panel = BuildRowPanel(column, mic ? RowForm::Stacked : RowForm::Beside, MetricsOf({column}), title, content);
    row->addWidget(panel, std::max(1, panel->minimumSizeHint().width()));
  }
  const EqGroup& group = EqGroups[page];
  const int pitch = mic ? MicColumnPitch : ColumnPitch;
  const int shown = mic ? MicShownColumns : BandCountOf(group);
  row->addWidget(BuildBandPanel(group, pitch, shown, ChannelPageHeight, content));
}
