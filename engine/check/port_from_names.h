// Without a part: the kind of serial port a source's register names tell. UxCON0 with UxBRGL is
// the PIC18 UART; UxMODE with UxBRG the UART of PIC24 and dsPIC33F/E, of dsPIC33C where UxMODEH
// or its bits appear, of PIC32 where the SET, CLR and INV registers or the peripheral bus do;
// TX3STA, SP3BRGL and the like the numbered EUSARTs beyond the second. The classic names need
// no guess: the classic profile reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/parts/part_profile.h"

namespace brg::engine {

struct PortsFromNames {
  PartProfile profile;  // the ports of that kind, up to the highest number the source names
  std::string note;     // what the names told: "read as the PIC18 UART: U1CON0 and U1BRGL"
};

// Nothing when the names tell no newer kind; `pbdiv` is a PIC32 bus divider the user gave.
std::optional<PortsFromNames> PortsTheNamesTell(std::string_view text,
                                                std::optional<double> pbdiv = std::nullopt);

}  // namespace brg::engine
