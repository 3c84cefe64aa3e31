#include "send_state.h"

SendState sendState;
