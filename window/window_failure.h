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
};

}  // namespace brg
