// The process's one audio device, opened on first use and kept open until the process ends.
#pragma once

// True when a device was opened; false when there is none and the game stays silent, which it
// says in one line on standard error. The sound libraries never write to the terminal.
// The first call opens it (once per process; a failure is not retried).
bool AudioReady();
