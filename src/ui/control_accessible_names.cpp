#include "control_accessible_names.h"

#include "control_factory.h"
#include "control_names.h"
#include "graph_state.h"
#include "panel_tables.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

constexpr char FullWidthColon[] = "：";

void Name(QWidget& form, const std::string& control, const QString& name) {
  if (QWidget* widget = form.findChild<QWidget*>(FromUtf8(control))) widget->setAccessibleName(name);
}

void LinkReadout(QWidget& form, const std::string& slider, const std::string& readout, const std::string& unit = {}) {
  if (auto* bar = form.findChild<TrackBar*>(FromUtf8(slider)))
    bar->SetValueReadout(form.findChild<QWidget*>(FromUtf8(readout)), FromUtf8(unit));
}

void NameRow(QWidget& form, const PageRow& row) {
  const QString caption = AccessibleCaption(row.caption);
  const auto withCaption = [&](const std::string& own) {
    return caption.isEmpty() ? FromUtf8(own) : caption + QLatin1Char(' ') + FromUtf8(own);
  };
  switch (row.type) {
    case RowType::Slider:
      for (const std::string* control : {&row.slider, &row.pane, &row.spin}) Name(form, *control, caption);
      Name(form, row.phase, withCaption("phase"));
      LinkReadout(form, row.slider, row.pane, row.unit);
      break;
    case RowType::Choice:
      Name(form, row.list, caption);
      for (const RowButton& button : row.buttons) Name(form, button.name, withCaption(button.caption));
      break;
    case RowType::Radio:
      for (const RowButton& button : row.buttons) Name(form, button.name, withCaption(button.caption));
      break;
    case RowType::Pair:
    case RowType::Toggle:
      break;  // their buttons carry their own captions
  }
}

struct BandField {
  BandPart part;
  const char* word;
};
constexpr BandField BandFields[] = {
    {BandPart::ModeBox, "type"},      {BandPart::PeqImage, "PEQ"},    {BandPart::LsqImage, "LSEQ"},
    {BandPart::HsqImage, "HSEQ"},     {BandPart::GainBar, "gain"},    {BandPart::GainEdit, "gain"},
    {BandPart::GainSpin, "gain"},     {BandPart::FreEdit, "frequency"}, {BandPart::FreSpin, "frequency"},
    {BandPart::QEdit, "Q"},           {BandPart::QSpin, "Q"},
};

void NameBands(QWidget& form) {
  for (std::size_t g = 0; g < EqGroups.size(); ++g) {
    const EqGroup& group = EqGroups[g];
    const QString page = QString::fromUtf8(Pages[g].buttonCaption).simplified();
    for (int band = 1; band <= BandCountOf(group); ++band) {
      for (const BandField& field : BandFields)
        Name(form, BandControlName(group, field.part, band),
             QStringLiteral("%1 band %2 %3").arg(page).arg(band).arg(QLatin1String(field.word)));
      LinkReadout(form, BandControlName(group, BandPart::GainBar, band), BandControlName(group, BandPart::GainEdit, band));
    }
  }
  Name(form, ControlName::MicPanScrollBar, QString::fromUtf8(EqGroups[MicPage].title));
  for (const BandEditorColumn& column : BandEditorColumns) {
    for (const char* control : {column.slider, column.edit, column.spin}) Name(form, control, QString::fromUtf8(column.caption));
    LinkReadout(form, column.slider, column.edit);
  }
}

void NameGraphHandles(QWidget& form) {
  for (int handle = 0; handle < GraphSlotCount; ++handle) {
    const std::string name = GraphHandleName(handle);
    Name(form, name, handle < HighPassHandle ? QStringLiteral("band %1").arg(handle + 1) : FromUtf8(name));
  }
}

}  // namespace

QString AccessibleCaption(const std::string& caption) {
  std::string name = caption;
  const std::string colon = FullWidthColon;
  if (name.size() >= colon.size() && name.compare(name.size() - colon.size(), colon.size(), colon) == 0)
    name.resize(name.size() - colon.size());
  return FromUtf8(name).trimmed();
}

void NameControls(QWidget& form) {
  for (const PageRow* row : AllRows()) NameRow(form, *row);
  NameBands(form);
  NameGraphHandles(form);
}
