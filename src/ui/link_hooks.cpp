#include "link_hooks.h"

LinkHooks linkHooks;
