#include "com_port.h"

ComPort* comPort = nullptr;
