#include "binding_state.h"

BindingState bindingState;
