#include "panel_rules.h"

#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "decimal_format.h"
#include "scroll_box.h"
#include "send_state.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

void SetManualControlsEnabled(int flag) {
  const bool enabled = flag != 0;
  for (TrackBar* slider : controlTable.BandFreqSliders[0])
    if (slider) slider->setEnabled(enabled);
  if (panelControls.MusScrollBox) panelControls.MusScrollBox->setEnabled(enabled);
  // The level, phase and filter slots of the output channels; their limiter, delays and mutes
  // follow from slot 20 on (18 on SUR) and stay as they are.
  for (int channel = 5; channel <= 8; ++channel) {
    const int last = channel == 8 ? 17 : 19;
    for (int slot = 0; slot <= last; ++slot) {
      const ParamAddress a = MakeAddress(channel, slot);
      QWidget* primary = CellOf(controlTable.PrimaryControls, a);
      if (qobject_cast<TrackBar*>(primary) || qobject_cast<BmpButton*>(primary) || qobject_cast<ComboBox*>(primary))
        primary->setEnabled(enabled);
      if (auto* spin = StepAs<SpinButtons>(a)) spin->setEnabled(enabled);
      if (auto* button = ReadoutAs<BmpButton>(a)) button->setEnabled(enabled);
    }
  }
  for (BmpButton* button : {panelControls.SingModeBtn, panelControls.DiscoModeBtn})
    if (button) button->setEnabled(enabled);
}

void LimitVolumeTriple(TrackBar& normal, TrackBar& start, TrackBar& limit, int which, StatusPane& pane) {
  const bool moving = sendState.SendSuppressed != 1;
  const auto lower = [&](TrackBar& slider) {
    if (moving && slider.Position() > limit.Position()) slider.SetPosition(limit.Position());
  };
  const TrackBar* shown = &normal;
  if (which == 0) {
    lower(normal);
  } else if (which == 1) {
    lower(start);
    shown = &start;
  } else if (which == 2) {
    lower(start);
    lower(normal);
    shown = &limit;
  }
  pane.SetCaption(QString::fromStdString(FormatDecimals(shown->Position(), 0)));
}
