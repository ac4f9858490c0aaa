// The setup checker under any input, and on the code spbrg writes itself: the first byte picks
// the game. Arbitrary text, read as the port its names tell or one of every kind, must give a
// report or NotASetup, never a crash. Code of the
// defines, basic-registers, c and asm forms for any clock, rate, port and mode must check
// without a structural fault (a register, bit or name fault; the tolerance ones may come) and
// read back as the same setting.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "engine/check/port_from_names.h"
#include "engine/check/setup_check.h"
#include "engine/errors.h"
#include "engine/forms/code_forms.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/port_kinds.h"
#include "engine/ports/usart_port.h"

namespace {

using namespace brg;
using namespace brg::engine;

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

// The port the code is made for: the classic USART, or the UART of a newer family.
std::shared_ptr<const SerialPort> PortOf(std::uint8_t choice) {
  switch (choice % 5) {
    case 1:
      return Pic18Uart(1 + choice / 5 % 5);
    case 2:
      return Pic24Uart(1 + choice / 5 % 2);
    case 3:
      return Dspic33cUart(1 + choice / 5 % 3);
    case 4:
      return Pic32Uart(1 + choice / 5 % 6, 1, "PBCLK", "");
    default:
      return ClassicUsart(1 + choice / 5 % 2);
  }
}

// A part whose clock the configuration and the oscillator registers tell, and whose pins the
// checker follows: fixed, selected by RxyPPS, or remappable.
const PartProfile& PartWithAnOscillator(std::uint8_t choice) {
  static const PartProfile kParts[] = {
      ReadPartProfile("16F1829"),      ReadPartProfile("16F887"),
      ReadPartProfile("18F47Q43"),     ReadPartProfile("16F88"),
      ReadPartProfile("18F45K22"),     ReadPartProfile("24FJ64GA002"),
      ReadPartProfile("33FJ128GP802"), ReadPartProfile("32MX170F256B"),
      ReadPartProfile("16F1705")};
  return kParts[choice % std::size(kParts)];
}

// Any text over the port its names tell, else over the port `choice` picks; or over a part
// whose configuration and oscillator registers are read too.
void CheckAnyText(const std::uint8_t* data, std::size_t size, std::uint8_t choice) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckOptions options;
  options.oscMHz = (choice & 0x40) != 0 ? std::optional<double>(4) : std::nullopt;
  std::optional<PortsFromNames> told = PortsTheNamesTell(text);
  std::shared_ptr<const SerialPort> port = told ? told->profile.ports.front() : PortOf(choice);
  if ((choice & 0x20) != 0) {
    const PartProfile& part = PartWithAnOscillator(choice);
    options.part = &part;
    port = part.ports.front();
  }
  try {
    CheckSetup(text, options, *port);
  } catch (const NotASetup&) {
  }
}

void CheckOwnCode(const std::uint8_t* data, std::size_t size) {
  auto oscKhz = Take<std::uint16_t>(data, size);
  auto baud = Take<std::uint32_t>(data, size);
  auto choice = Take<std::uint8_t>(data, size);
  auto portChoice = Take<std::uint8_t>(data, size);
  double oscMHz = 0.031 + (oscKhz % 64000) / 1000.0;
  baud = 1 + baud % 5000000;
  std::shared_ptr<const SerialPort> port = PortOf(portChoice);
  const std::vector<BrgMode>& modes = port->Modes();
  BrgMode mode = modes[choice % modes.size()];
  // DEFINEs set up the asynchronous port of the USART only; BASIC and assembler the 8-bit parts.
  int form = port->BasicCompiler() ? (choice / 8) % 4 : 2;
  if (form == 0 && (InfoOf(mode).sync || port->Defines() == nullptr)) {
    form = 1;
  }
  CodeSetting code{std::to_string(oscMHz * port->Clock().divisor),
                   WantedRate{std::to_string(baud), double(baud)}, port->Best(oscMHz, baud, mode),
                   ""};
  std::string text = form == 0   ? DefinesForm(code, *port, (choice & 0x80) != 0)
                     : form == 1 ? BasicRegistersForm(code, *port)
                     : form == 2 ? CForm(code, *port)
                                 : AsmForm(code, *port);
  CheckOptions options;
  options.oscMHz = oscMHz * port->Clock().divisor;
  SetupReport report = CheckSetup(text, options, *port);
  for (const Finding& finding : report.findings) {
    if (finding.kind == FindingKind::Fault) {
      std::fprintf(stderr, "broken: a structural fault in its own code:\n%s\nline %d: %s\n",
                   text.c_str(), finding.line, finding.message.c_str());
      std::abort();
    }
  }
  if (!report.setting || report.setting->n != code.setting.n ||
      report.setting->mode != code.setting.mode) {
    std::fprintf(stderr, "broken: its own code reads back as another setting:\n%s\n", text.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  if ((data[0] & 1) != 0) {
    CheckAnyText(data + 1, size - 1, static_cast<std::uint8_t>(data[0] >> 1));
  } else {
    CheckOwnCode(data + 1, size - 1);
  }
  return 0;
}
