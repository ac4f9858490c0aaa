// Tells before the toolkit starts whether a graphical display can be reached, so that the
// program can say so plainly instead of aborting inside the toolkit.
#pragma once

#include <string>

namespace brg::ui {

// Empty when a display seems reachable; otherwise the reason, for one line on stderr.
std::string MissingDisplayReason();

}  // namespace brg::ui
