#include "process_state.h"

#include "binding_state.h"
#include "com_port.h"
#include "control_table.h"
#include "diagnostic_log.h"
#include "dialogs.h"
#include "graph_state.h"
#include "link_session.h"
#include "link_texts.h"
#include "mode_folders.h"
#include "param_image.h"
#include "receiver.h"
#include "send_state.h"
#include "startup_state.h"

void ResetProcessState() {
  paramImage = {};
  sendState = {};
  receiveState = {};
  sessionState = {};
  linkTexts = {};
  Memo2 = {};
  comPort = nullptr;
  dialogs = nullptr;
  controlTable = {};
  panelControls = {};
  bindingState = {};
  startupState = {};
  modeFolders = {};
  graphState = {};
}
