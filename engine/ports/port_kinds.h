// The kinds of serial port besides the USART (usart_port.h), each in a file of its own: the
// UART of the newer PIC18 parts, the UART of PIC24 and dsPIC33F/E, the multiprotocol UART of
// dsPIC33C, and the PIC32 UART. Their registers and bits follow the families' datasheets and
// reference manuals; which parts have them and how many is part data (part_data.h).
#pragma once

#include <memory>

#include "engine/ports/serial_port.h"

namespace brg::engine {

// UART `number` of a PIC18 with UxBRGH:UxBRGL and BRGS in UxCON0 (K42, K83, Q40/41, Q43, ...).
std::shared_ptr<const SerialPort> Pic18Uart(int number);

// UART `number` of a PIC24F/H/E or dsPIC33F/E: UxBRG, BRGH in UxMODE, clocked from Fcy = Fosc/2.
std::shared_ptr<const SerialPort> Pic24Uart(int number);

// UART `number` of a dsPIC33C: a 20-bit UxBRGH:UxBRG, the fractional generator, clocked from
// Fp = Fosc/2 (BCLKSEL 00).
std::shared_ptr<const SerialPort> Dspic33cUart(int number);

// UART `number` of a PIC32: UxBRG from the peripheral bus clock, Fosc / `pbdiv` (`busName`
// PBCLK on PIC32MX, PBCLK2 on PIC32MZ and MK); `note` says what the divider is by default.
std::shared_ptr<const SerialPort> Pic32Uart(int number, double pbdiv, const std::string& busName,
                                            const std::string& note);

}  // namespace brg::engine
