#include "edit_history.h"

#include <QUndoStack>
#include <set>

#include "panel_refresh.h"
#include "senders.h"

namespace {

class CellsStep : public QUndoCommand {
 public:
  CellsStep(std::vector<CellChange> cells, EditHistory& history) : cells_(std::move(cells)), history_(history) {
    setText(QStringLiteral("%1 value(s)").arg(cells_.size()));
  }
  void undo() override { history_.Apply(cells_, false); }
  // Pushing a step redoes it at once; the gesture has done that already.
  void redo() override {
    if (done_) history_.Apply(cells_, true);
    done_ = true;
  }

 private:
  std::vector<CellChange> cells_;
  EditHistory& history_;
  bool done_ = false;
};

}  // namespace

EditHistory::EditHistory(QObject* owner) : stack_(new QUndoStack(owner)) {}

void EditHistory::Begin() {
  End();
  before_ = paramImage.ViewTable;
  open_ = true;
}

void EditHistory::End() {
  if (!open_) return;
  open_ = false;
  std::vector<CellChange> cells = ChangedCells(before_, paramImage.ViewTable);
  if (!cells.empty()) stack_->push(new CellsStep(std::move(cells), *this));
}

void EditHistory::Clear() {
  stack_->clear();
  before_ = paramImage.ViewTable;
}

void EditHistory::Apply(const std::vector<CellChange>& cells, bool after) {
  std::set<int> channels;
  for (const CellChange& cell : cells) {
    const std::int32_t value = after ? cell.after : cell.before;
    if (IsBandField(cell.address))
      WriteEqField(cell.address, value);
    else
      WriteParam(cell.address, value);
    channels.insert(ChannelOf(cell.address));
  }
  for (int channel : channels) RefreshPanel(channel);
  // The history's own changes are not a gesture's.
  before_ = paramImage.ViewTable;
}
