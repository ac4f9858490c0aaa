// Code that sets up a USART for a setting, for the user's toolchain: RarIveza Pro DEFINEs,
// direct register writes in RarIveza Pro BASIC, XC8 C and gpasm/MPASM assembler. Every form but
// the classic DEFINE block states the clock, the rates and the error in a comment line.
#pragma once

#include <string>

#include "cli/device_profile.h"
#include "cli/register_setup.h"

namespace brg::cli {

// The DEFINE block: for an 8-bit mode byte for byte the window's export; a 16-bit mode adds
// HSER_SPBRGH and sets BRG16 in BAUDCON; the second USART uses the HSER2_ names. `cloerr` adds
// the overrun-clear line. Asynchronous modes only.
std::string DefinesForm(const CodeSetting& code, const UsartProfile& usart, bool cloerr);
std::string BasicRegistersForm(const CodeSetting& code, const UsartProfile& usart);
std::string CForm(const CodeSetting& code, const UsartProfile& usart);
std::string AsmForm(const CodeSetting& code, const UsartProfile& usart);

}  // namespace brg::cli
