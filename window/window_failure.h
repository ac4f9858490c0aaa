// The failures of the window's own operations, beside the ArithmeticFault of the arithmetic.
// Only the calculation run traps them; in any other handler they stop the handler and reach the
// window's report of unexpected failures.
#pragma once

#include <stdexcept>
#include <string>

namespace brg {

class WindowFailure : public std::runtime_error {
 public:
  explicit WindowFailure(const std::string& what) : std::runtime_error(what) {}

  // How the user is told, when no handler has dealt with the failure.
  virtual std::string Title() const { return "Unexpected failure"; }
  virtual std::string Explanation() const {
    return std::string("The last action could not be completed: ") + what() + ".";
  }
};

// A number read from text lies beyond the double range.
class NumberOverflow : public WindowFailure {
 public:
  explicit NumberOverflow(bool negative)
      : WindowFailure("number out of range"), negative_(negative) {}
  bool negative() const { return negative_; }

 private:
  bool negative_;
};

// The system clipboard refused to be cleared or written.
class ClipboardFailure : public WindowFailure {
 public:
  ClipboardFailure() : WindowFailure("clipboard could not be written") {}

  std::string Title() const override { return "Clipboard not available"; }
  std::string Explanation() const override {
    return "The clipboard could not be written, so nothing was copied.\rPlease try again.";
  }
};

}  // namespace brg
