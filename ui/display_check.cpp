#include "ui/display_check.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace brg::ui {
namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// ":N" or ":N.S" names a local X server, reached through its socket.
bool LocalXServerMissing(std::string_view display) {
  if (display.empty() || display[0] != ':') {
    return false;  // a remote or unusual display: let the toolkit try
  }
  std::string number(display.substr(1, display.find('.') - 1));
  std::error_code error;
  return !std::filesystem::exists("/tmp/.X11-unix/X" + number, error);
}

}  // namespace

std::string MissingDisplayReason() {
  std::string_view platform = Environment("QT_QPA_PLATFORM");
  if (!platform.empty() && platform.substr(0, 3) != "xcb" && platform.substr(0, 7) != "wayland") {
    return "";  // offscreen, vnc, ...: no display needed
  }
  std::string_view x11 = Environment("DISPLAY");
  std::string_view wayland = Environment("WAYLAND_DISPLAY");
  if (x11.empty() && wayland.empty()) {
    return "no graphical display is set (DISPLAY is empty)";
  }
  if (wayland.empty() && LocalXServerMissing(x11)) {
    return "the X display " + std::string(x11) + " cannot be reached";
  }
  return "";
}

std::string DisplayTried() {
  std::string platform(Environment("QT_QPA_PLATFORM"));
  std::string tried =
      platform.empty() ? std::string("the default platform") : "the platform \"" + platform + "\"";
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    std::string_view value = Environment(name);
    if (!value.empty()) {
      tried += std::string(" with ") + name + "=" + std::string(value);
    }
  }
  return tried;
}

}  // namespace brg::ui
