// The classic USART of PIC16 and PIC18 parts and its enhanced form, the EUSART (BRG16, a 16-bit
// generator in SPBRGH:SPBRG, the control register BAUDCON or BAUDCTL): a kind of serial port.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "engine/ports/register_map.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// The register names of the datasheets with every mode offered: for code without a part. The
// second port has the names of the parts with two (TXSTA2, RCSTA2, SPBRG2, ...).
std::shared_ptr<const SerialPort> ClassicUsart(int number = 1);

// EUSART `number` of a part gputils has no header for, under the names of the newer datasheets
// (TX1STA, RC1STA, SP1BRGL, SP1BRGH, BAUD1CON).
std::shared_ptr<const SerialPort> NumberedEusart(int number);

// The USARTs a part's register map names, first and second, with the header's names and bits.
std::vector<std::shared_ptr<const SerialPort>> UsartsInHeader(const RegisterMap& header);

// Whether a line of a gputils header declares a USART's transmit status register: a quick test
// for a port over the raw text, without reading the header.
bool DeclaresUsartStatusRegister(std::string_view headerLine);

}  // namespace brg::engine
