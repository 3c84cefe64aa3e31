#include "graph_state.h"

GraphState graphState;
