// The handles of the equaliser graph: a band handle dragged with the left button moves the band's
// frequency and gain, a filter handle its frequency; the right button held on a band handle steps
// the band's Q as the pointer moves sideways. Every change goes through the panel's value path, so
// the edits, sliders, image and device follow the handle. The 15 ms timer draws any change made
// elsewhere on the panel.

#include <QTimer>
#include <algorithm>
#include <optional>

#include "binding_state.h"
#include "control_lookup.h"
#include "control_names.h"
#include "edit.h"
#include "graph_bands.h"
#include "graph_drawing.h"
#include "handle_drag.h"
#include "image.h"
#include "label.h"
#include "main_form.h"
#include "page_control.h"
#include "panel_tables.h"
#include "startup_state.h"
#include "value_ops.h"
#include "value_scales.h"

namespace {

constexpr int FrequencyKind = 2, GainKind = 3;
constexpr int GainRole = 1, QRole = 2;  // past the band's frequency slot
constexpr int PlotQStepPixels = 3;      // over the plot a Q step needs a longer move than on the handle

int ChannelShown() { return ChannelOf(bindingState.CurrentPageAddress); }
bool AutoMode() { return paramImage.ViewTable[0][0] == 0; }
bool MusicLocked() { return PageOnShow() == MusicPage && AutoMode(); }
bool IsBandHandle(int handle) { return handle >= 0 && handle < HighPassHandle; }

// The frequency slot of the pressed band handle's band, from the page's band number label: its
// caption is the band number, its Tag the channel and its Hint the slot of band 1's frequency.
std::optional<ParamAddress> PressedBandAddress() {
  const int page = PageOnShow(), handle = graphState.PressedHandle;
  if (page < 0 || page >= EqGroupCount || !IsBandHandle(handle)) return std::nullopt;
  const Label* number = controlTable.BandPointLabels[static_cast<std::size_t>(page)][static_cast<std::size_t>(handle)];
  if (!number) return std::nullopt;
  return (number->Tag << 8) + HintValue(*number) + 5 * (number->Caption().toInt() - 1);
}

// A new drag starts from the pressed handle's own values, so its first step that differs from them
// is applied whatever an earlier drag left behind.
void StartDragFromPressedHandle() {
  GraphState& g = graphState;
  if (IsBandHandle(g.PressedHandle)) {
    const auto address = PressedBandAddress();
    if (!address) return;
    g.SentFrequencyStep = static_cast<float>(ViewValue(*address));
    g.SentGainStep = static_cast<float>(ViewValue(*address + GainRole));
  } else if (const FilterRule* rule = FilterOfHandle(ChannelShown(), g.PressedHandle)) {
    g.SentFrequencyStep = static_cast<float>(FilterStepOfValue(*rule, ViewValue(MakeAddress(ChannelShown(), rule->frequencySlot))));
    g.SentGainStep = static_cast<float>(TextToIndex(GainKind, 0.0));
  } else {
    return;
  }
  g.DragHandle = g.PressedHandle;
  g.DragFrequencyStep = g.SentFrequencyStep;
  g.DragGainStep = g.SentGainStep;
}

// A Q step acts on the band's Q edit only: when that edit is disabled the drag steps nothing.
void StepPressedBandQ(ValueStep step) {
  const auto address = PressedBandAddress();
  if (address && bindingState.CurrentEdit && bindingState.CurrentEdit == PrimaryAs<Edit>(*address + QRole)) CommitEdit(step);
}

}  // namespace

void TForm1::WireGraphHandlers() {
  for (Image* handle : graphView.GraphHandles) {
    if (!handle) continue;
    handle->OnMouseDown = [this](Image& sender, Qt::MouseButton button, QPoint at) { EP1MouseDown(sender, button, at); };
    handle->OnMouseMove = [this](Image& sender, Qt::MouseButtons buttons, QPoint at) { HandlePointerMoved(sender, buttons, at); };
    handle->OnMouseUp = [this](Image& sender, Qt::MouseButton button, QPoint at) { HandlePointerReleased(sender, button, at); };
  }
  if (Image* plot = graphView.Image1) {
    plot->OnMouseMove = [this](Image&, Qt::MouseButtons buttons, QPoint at) { Image1MouseMove(buttons, at); };
    plot->OnMouseUp = [this](Image&, Qt::MouseButton button, QPoint at) { Image1MouseUp(button, at); };
  }
  for (Label* label : {Control<Label>(ControlName::EQlabel), Control<Label>(ControlName::EQPassLabel)})
    if (label) label->OnMouseUp = [this](Label&, Qt::MouseButton, QPoint) { EQlabelMouseUp(); };
  connect(timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

bool TForm1::ClickPressedBandEdit(int role) {
  const auto address = PressedBandAddress();
  Edit* edit = address ? PrimaryAs<Edit>(*address + role) : nullptr;
  if (!edit) return false;
  if (edit->isEnabled()) MusFreEdit1Click(*edit);
  return true;
}

void TForm1::EP1MouseDown(Image& sender, Qt::MouseButton button, QPoint at) {
  GraphState& g = graphState;
  sender.setCursor(Qt::CrossCursor);
  g.PressPoint = {at.x(), at.y()};
  g.HandleDragging = true;
  g.PressedHandle = sender.Tag >= 0 && sender.Tag < GraphSlotCount ? sender.Tag : -1;
  if (g.PressedHandle == -1 || !startupState.FormShown) return;
  g.QDragMode = false;
  StartDragFromPressedHandle();
  const bool band = IsBandHandle(g.PressedHandle);
  if (button == Qt::LeftButton && !band) {
    const int slot = FilterSlotOfHandle(ChannelShown(), g.PressedHandle);
    if (slot >= 0) DrawGraph(slot, ChannelShown());
  } else if (button == Qt::LeftButton) {
    if (!MusicLocked()) ClickPressedBandEdit(GainRole);
  } else if (button == Qt::RightButton && band && !MusicLocked()) {
    if (ClickPressedBandEdit(QRole)) g.QDragMode = true;
  }
}

void TForm1::EP1MouseMove(Image& sender, QPoint at) {
  GraphState& g = graphState;
  if (!g.HandleDragging || !startupState.FormShown || g.PressedHandle == -1) return;
  if (g.QDragMode) {
    if (!IsBandHandle(g.PressedHandle)) return;
    const ValueStep step = at.x() > g.PressPoint.x ? ValueStep::Up : at.x() < g.PressPoint.x ? ValueStep::Down : ValueStep::None;
    g.PressPoint = {at.x(), at.y()};
    g.DragHandle = g.PressedHandle;
    StepPressedBandQ(step);
    return;
  }
  const HandleDrag drag{PageOnShow(), g.PressedHandle, AutoMode(), graphView.Image1 ? graphView.Image1->width() : 0,
                        graphView.Image1 ? graphView.Image1->height() : 0};
  const auto moved = DragHandleBy(drag, {sender.x(), sender.y(), sender.height()}, at.x() - g.PressPoint.x, at.y() - g.PressPoint.y);
  if (!moved) return;
  sender.move(moved->box.left, moved->box.top);
  g.DragFrequency = moved->frequency;
  g.DragGain = moved->gain;
  g.DragHandle = g.PressedHandle;
  g.DragFrequencyStep = static_cast<float>(TextToIndex(FrequencyKind, g.DragFrequency));
  g.DragGainStep = static_cast<float>(TextToIndex(GainKind, g.DragGain));
  if (g.DragFrequencyStep == g.SentFrequencyStep && g.DragGainStep == g.SentGainStep) return;
  ApplyHandleDrag();
}

void TForm1::EP1MouseUp(Image& sender, Qt::MouseButton, QPoint) {
  GraphState& g = graphState;
  g.QDragMode = false;
  if (!g.HandleDragging) return;
  g.HandleDragging = false;
  sender.unsetCursor();
  if (!IsBandHandle(g.PressedHandle) || MusicLocked()) return;
  ClickPressedBandEdit(GainRole);
}

void TForm1::Image1MouseMove(Qt::MouseButtons buttons, QPoint at) {
  GraphState& g = graphState;
  if (!(buttons & Qt::RightButton) || !g.QDragMode || !IsBandHandle(g.PressedHandle)) return;
  ValueStep step;
  if (at.x() - g.PressPoint.x >= PlotQStepPixels)
    step = ValueStep::Up;
  else if (g.PressPoint.x - at.x() >= PlotQStepPixels)
    step = ValueStep::Down;
  else
    return;
  StepPressedBandQ(step);
  // The timer draws the new Q while the button is still held.
  g.HandleDragging = false;
  g.PressPoint = {at.x(), at.y()};
  g.DragHandle = g.PressedHandle;
}

void TForm1::Image1MouseUp(Qt::MouseButton button, QPoint) {
  GraphState& g = graphState;
  if (button != Qt::RightButton || !g.QDragMode || MusicLocked()) return;
  g.HandleDragging = false;
  g.QDragMode = false;
  if (IsBandHandle(g.PressedHandle)) ClickPressedBandEdit(GainRole);
}

void TForm1::EQlabelMouseUp() {
  graphState.QDragMode = false;
  graphState.HandleDragging = false;
}

void TForm1::Timer1Timer() {
  if (!graphState.HandleDragging) ApplyHandleDrag();
}

void TForm1::ApplyHandleDrag() {
  GraphState& g = graphState;
  const auto index = static_cast<std::size_t>(std::clamp(g.DragHandle, 0, GraphSlotCount - 1));
  const GraphBand& dragged = g.GraphBands[index];
  QWidget* frequency = dragged.frequencyControl;
  QWidget* gain = dragged.gainControl;
  const bool gainChanged = g.DragGainStep != g.SentGainStep;
  if (g.DragFrequencyStep != g.SentFrequencyStep) {
    const int step = static_cast<int>(g.DragFrequencyStep);
    const int v = dragged.filter ? FilterValueOfStep(*dragged.filter, step) : step;
    if (gainChanged && gain) {
      // The band goes out once, with the gain: its frame carries the new frequency too.
      ApplyValue(frequency, ValueStep::None, ApplyMode::Display, v);
      g.SentFrequencyStep = g.DragFrequencyStep;
      g.SentGainStep = g.DragGainStep;
      ApplyValue(gain, ValueStep::None, ApplyMode::Commit, g.DragGainStep);
    } else {
      ApplyValue(frequency, ValueStep::None, ApplyMode::Commit, v);
      g.SentFrequencyStep = g.DragFrequencyStep;
      if (gainChanged) g.SentGainStep = g.DragGainStep;
    }
  } else if (gainChanged) {
    g.SentGainStep = g.DragGainStep;
    ApplyValue(gain, ValueStep::None, ApplyMode::Commit, g.DragGainStep);
  }

  const ParamAddress changed = bindingState.LastChangedAddress;
  if (changed == g.DrawnAddress && bindingState.LastChangedValue == g.DrawnValue) return;
  g.DrawnAddress = changed;
  g.DrawnValue = bindingState.LastChangedValue;
  // Only a band or filter of the channel on show changes what the graph shows.
  const int located = LocateBand(changed);
  if (located == NoGraphBand || located == NotAnEqSlot || ChannelOf(changed) != ChannelShown()) return;
  DrawGraph(located >> 8, ChannelOf(changed));
}

void TForm1::HandlePointerMoved(Image& handle, Qt::MouseButtons buttons, QPoint at) {
  if (buttons == Qt::NoButton || (buttons & Qt::LeftButton)) {
    EP1MouseMove(handle, at);
    return;
  }
  QWidget* area = handle.parentWidget();
  const QPoint inArea = handle.mapToParent(at);
  QWidget* under = area ? area->childAt(inArea) : nullptr;
  if (auto* other = qobject_cast<Image*>(under); other && other != graphView.Image1)
    EP1MouseMove(*other, other->mapFromParent(inArea));
  else if (under && under == graphView.Image1)
    Image1MouseMove(buttons, graphView.Image1->mapFromParent(inArea));
}

void TForm1::HandlePointerReleased(Image& handle, Qt::MouseButton button, QPoint at) {
  QWidget* area = handle.parentWidget();
  const QPoint inArea = handle.mapToParent(at);
  QWidget* under = area ? area->childAt(inArea) : nullptr;
  auto* other = qobject_cast<Image*>(under);
  if (button == Qt::LeftButton || other == &handle)
    EP1MouseUp(handle, button, at);
  else if (other && other != graphView.Image1)
    EP1MouseUp(*other, button, other->mapFromParent(inArea));
  else if (under && under == graphView.Image1)
    Image1MouseUp(button, graphView.Image1->mapFromParent(inArea));
  else
    EQlabelMouseUp();  // the read-out, the notice, or anywhere off the plot: the drag ends
  handle.unsetCursor();
}
