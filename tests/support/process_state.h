#pragma once
// Every process-wide state of the program back to its start: the parameter image, the send,
// receive and session state of the link with its port, log, texts and dialogs, the control table
// and binding state, the window's start-up state, and the mode folders with their list. Every test
// fixture starts from here.

void ResetProcessState();
