// The per-user runtime folder that the toolkit expects the desktop session to name.
#pragma once

// When XDG_RUNTIME_DIR is unset or not an absolute path (a login without a desktop session, a
// container), names the folder the toolkit would fall back to: <temporary folder>/runtime-<user>.
// The toolkit then takes it without a warning that the player could do nothing about, and creates
// it private to the player. Call before the application object exists.
void NameRuntimeFolder();
