#pragma once
// Undo and redo of the user's parameter edits. A step is everything one gesture changed in the view
// (a click, a drag from press to release, a key, a turn of the wheel); undoing or redoing it sends
// each changed value again through the senders a user's change uses and shows the channels anew, so
// the controls, the image and the device follow. Changes that come from elsewhere (a download, a
// preset recall, a mode file, a bank or MIC group switch) end the history: the window clears it.

#include <vector>

#include "view_changes.h"

class QObject;
class QUndoStack;

class EditHistory {
 public:
  explicit EditHistory(QObject* owner);

  QUndoStack& Stack() { return *stack_; }
  // A gesture starts: a step still open is closed first, then the view is remembered.
  void Begin();
  // The gesture is over: what it changed becomes one step.
  void End();
  // Forgets every step; a gesture under way continues from the view as it is now.
  void Clear();
  // Sends the values of a step's cells (its new ones, or its old ones) and shows them.
  void Apply(const std::vector<CellChange>& cells, bool after);

 private:
  QUndoStack* stack_;
  bool open_ = false;
  ViewRows before_{};
};
