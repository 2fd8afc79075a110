// The Skrivo home folder, the host's program folder and the user name.
#pragma once

#include <string>

namespace skrivo {

// $SKRIVO_HOME, else $XDG_DATA_HOME/skrivo, else ~/.local/share/skrivo; the
// folder is created when missing. No trailing separator.
std::string SkrivoHome();

// The host's "program folder": SkrivoHome() with a trailing separator.
std::string AppPath();

// GetUserName: the login name ($USER, else the password database); empty
// when it cannot be found (callers then skip what needs it). A name that
// could not serve as a file name ("..", one with '/') is never returned.
std::string GetUserName();

}  // namespace skrivo
