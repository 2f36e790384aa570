// The messages the file and sound layers write in English, read in the player's language.
#pragma once

#include <QString>

#include <string>

// The message in the player's language. The layers below the windows build their messages from
// fixed forms ("%1 was set aside as %2: %3", "it is cut short", ...); a message made from known
// forms is translated form by form, each part in turn, while a path, a system's reason or a form
// not known here is shown as written. Without a translation the English comes back unchanged.
QString PlayerMessage(const std::string& english);
