#include "startup_state.h"

StartupState startupState;
