// The process's one audio device, opened on first use and kept open while it is wanted.
#pragma once

// True when a device is open; false when there is none and the game stays silent, which it says in
// one line on standard error. The sound libraries never write to the terminal. The first call opens
// the device (a failure is not retried), and so does the first call after a release.
bool AudioReady();

// Closes the device when nothing plays on it, so that its mixing thread stops waking the process.
// Returns false, leaving it open, while a sound or a song plays. Never while a song is opened.
bool ReleaseSilentAudio();
