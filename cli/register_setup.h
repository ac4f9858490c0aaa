// The register writes that set up a USART for one setting, in the order that code must make
// them: the rate registers first, then BAUDCON and TXSTA, and RCSTA last, whose SPEN switches
// the port on. Every value fits its 8-bit register.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/device_profile.h"
#include "cli/options.h"
#include "core/brg_modes.h"

namespace brg::cli {

// The setting that code is made for, with what its comment line says about it.
struct CodeSetting {
  std::string oscText;
  WantedRate wanted;
  ModeSetting setting;
};

struct RegisterWrite {
  std::string name;  // the part's name for the register
  std::uint8_t value = 0;
  std::vector<std::string> bits;  // the bits set, most significant first (none for rates)
};

std::vector<RegisterWrite> RegisterWrites(const ModeSetting& setting, const UsartProfile& usart);

// {"SPBRG": 25, "TXSTA": 36, "RCSTA": 144}, for JSON.
nlohmann::ordered_json JsonRegisters(const std::vector<RegisterWrite>& writes);

// "SPBRG=25 TXSTA=0x24 RCSTA=0x90", for a CSV column.
std::string RegistersText(const std::vector<RegisterWrite>& writes);

// The setting of the window's Calculate in BRGH mode `brgh` as a mode of the generator.
ModeSetting WindowModeSetting(bool brgh, std::int32_t spbrg, double actualBaud, double errorRatio);

// "4 MHz, 9600 baud wanted: 9,615 baud real, error 0.16%" for the comment line of code.
std::string SummaryLine(const CodeSetting& code);

}  // namespace brg::cli
