// A command line that spbrg cannot take; the message is one line naming the argument and what
// it accepts. Exit status 2.
#pragma once

#include <stdexcept>
#include <string>

namespace brg::cli {

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace brg::cli
