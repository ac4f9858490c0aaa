// The readers of each source language of a serial setup, over what they share (setup_recorder.h).
// For setup_source.cpp, which picks the language.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/check/setup_recorder.h"
#include "engine/check/source_text.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// The registers of the port that hold n in some mode.
std::vector<std::size_t> RateRegisters(const SerialPort& port);

// The run-time branches of C source (an if or a switch on what cannot be worked out) in the
// order a reading meets them: the arm each takes, 0 for the else or default arm; and, out, the
// branches met whose arms write the port, with the number of their arms.
struct Branches {
  std::vector<int> taken;
  struct Met {
    int line = 0;
    std::vector<std::string> arms;  // how each arm is reached: "" for arm 0, "PORTA == 0 holds"
  };
  std::vector<Met> met;
};

// `intBits`: the compiler's int; `baud`: the rate a parameter named like one takes when no call
// site gives it.
// C source preprocessed, once for every reading of it (PrepareC).
struct PreparedC;
std::shared_ptr<const PreparedC> PrepareC(const std::vector<SourceLine>& lines, int intBits);
void ReadCSetup(const PreparedC& prepared, const SerialPort& port, SetupRecorder& recorder,
                int intBits, std::optional<double> baud, Branches& branches);
void ReadBasicSetup(const std::vector<SourceLine>& lines, const SerialPort& port,
                    SetupRecorder& recorder);
void ReadAsmSetup(const std::vector<SourceLine>& lines, const SerialPort& port,
                  SetupRecorder& recorder);

// A clock that a comment names: "Fosc = 4 MHz", "@ 20MHz".
std::optional<double> ClockInComment(std::string_view comment);

}  // namespace brg::engine
