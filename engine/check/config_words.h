// Configuration words the source gives as numbers (__CONFIG _CONFIG1, 0x3FE4, or
// __CONFIG(0x3F72)) read as the settings they hold, by the options of the part's header: each
// setting's bits are those in which its options differ. Pure: settings in, settings out.
#pragma once

#include <string>
#include <vector>

#include "engine/check/setup_source.h"
#include "engine/parts/gputils_header.h"

namespace brg::engine {

// `config` with every number whose word the header tells replaced by the settings it holds;
// the numbers whose word it cannot tell are kept. Without a header, `config` as it is.
std::vector<ConfigSetting> ConfigNumbersNamed(const std::vector<ConfigSetting>& config,
                                              const GputilsHeader* header);

// A token's value without the PIC18 configuration byte it names: INTIO67 of INTIO67_1H.
std::string WithoutConfigByte(std::string value);

// Whether a setting is a number the part's options did not name.
bool UnnamedNumber(const ConfigSetting& setting);

}  // namespace brg::engine
