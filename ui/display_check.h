// Tells before the toolkit starts whether a graphical display can be reached, so that the
// program can say so plainly instead of aborting inside the toolkit.
#pragma once

#include <string>

namespace brg::ui {

// Empty when a display seems reachable; otherwise the reason, for one line on stderr.
std::string MissingDisplayReason();

// The platform and display that the toolkit tries, for a message when it cannot open them
// (for example: the platform "xcb" with DISPLAY=localhost:99).
std::string DisplayTried();

}  // namespace brg::ui
