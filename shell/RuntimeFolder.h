// The per-user runtime folder that the toolkit expects the desktop session to name.
#pragma once

// When XDG_RUNTIME_DIR is unset or not an absolute path (a login without a desktop session, a
// container), names the folder the toolkit would fall back to: <temporary folder>/runtime-<user>.
// Creates it, private to the player, when it is missing. The toolkit then takes it without a warning
// that the player could do nothing about. Call before the application object exists.
void NameRuntimeFolder();
