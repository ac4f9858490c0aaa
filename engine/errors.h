// The engine's errors: each says in one line what cannot be done and why. The front ends turn
// them into their own messages and exit statuses; the engine prints nothing.
#pragma once

#include <stdexcept>
#include <string>

namespace brg::engine {

// A value given to the engine that it cannot take: a clock list line, a register value.
class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& what) : std::runtime_error(what) {}
};

// A part that cannot be used as asked: no headers, no such part, no such port or mode.
class PartError : public std::runtime_error {
 public:
  explicit PartError(const std::string& what) : std::runtime_error(what) {}
};

// Source text that holds no serial setup: binary, far too large, or nothing sets up the port.
class NotASetup : public std::runtime_error {
 public:
  explicit NotASetup(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace brg::engine
