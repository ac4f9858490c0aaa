// launch-probe TITLE PROGRAM: starts PROGRAM, waits until its window titled TITLE is mapped on
// the X display, lets it settle, and prints "<milliseconds to mapped> <resident KiB>".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

bool HasTitle(Display* display, Window window, const char* title) {
  char* name = nullptr;
  bool match =
      XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, title) == 0;
  if (name != nullptr) {
    XFree(name);
  }
  return match;
}

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: launch-probe TITLE PROGRAM\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "launch-probe: no display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    // The toolkit's chatter is not the measurement; without /dev/null it goes to the terminal.
    if (std::freopen("/dev/null", "w", stderr) == nullptr) {
      perror("/dev/null");
    }
    execl(argv[2], argv[2], static_cast<char*>(nullptr));
    _exit(127);
  }
  double milliseconds = -1;
  while (milliseconds < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
      milliseconds =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  long kib = ResidentKiB(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  std::printf("%.1f %ld\n", milliseconds, kib);
  XCloseDisplay(display);
  return 0;
}
