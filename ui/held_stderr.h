// While Qt starts, whatever it and the libraries below it write to stderr is held back in a
// side file: a display that cannot be opened then ends in one line naming what was tried,
// instead of Qt's abort with its advice to reinstall and the libraries' own complaints. Shared
// by the calculator's and the workbench's main(); header only.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brg::ui {

class HeldStderr {
 public:
  HeldStderr() : saved_(dup(STDERR_FILENO)), side_(std::tmpfile()) {
    if (saved_ >= 0 && side_ != nullptr) {
      std::fflush(stderr);
      dup2(fileno(side_), STDERR_FILENO);
    }
  }
  HeldStderr(const HeldStderr&) = delete;
  HeldStderr& operator=(const HeldStderr&) = delete;

  // Puts stderr back and passes on what was held.
  void Release() {
    if (saved_ < 0 || side_ == nullptr) {
      return;
    }
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
    std::rewind(side_);
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, side_)) > 0;) {
      std::fwrite(buffer, 1, read, stderr);
    }
    std::fclose(side_);
    side_ = nullptr;
  }

  // The one line for a start-up that failed, on the real stderr.
  [[noreturn]] void FailWith(const std::string& line) {
    int target = saved_ >= 0 ? saved_ : STDERR_FILENO;
    std::string text = line + "\n";
    ssize_t written = write(target, text.data(), text.size());
    static_cast<void>(written);
    _exit(1);
  }

 private:
  int saved_;
  std::FILE* side_;
};

}  // namespace brg::ui
