// The part a source or a project names, for a check without --device: the processor's include
// (#include <p16f887.inc>, <pic18f4550.h>), list p= and processor, the device line of the
// vendor's generated headers ("Device : PIC18F47Q43"), the heading of the configuration bits
// the IDE writes ("// PIC16F887 Configuration Bit Settings"), and an MPLAB X project's
// <targetDevice>. Says nothing of whether the engine knows the part.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/parts/part_profile.h"

namespace brg::engine {

// The first part `text` names, as written there: "16f887", "PIC18F47Q43".
std::optional<std::string> PartNamedIn(std::string_view text);

// Without --device, the part to check a source as: the one an MPLAB X project file names, else
// the one the source names, where the engine knows it; else the ports the register names tell
// (port_from_names.h). `note` says which. Nothing where none of them tells.
struct PartOfSource {
  PartProfile profile;
  std::string note;
};
std::optional<PartOfSource> PartTheSourceTells(std::string_view text, std::string_view projectFile,
                                               std::optional<double> pbdiv);

}  // namespace brg::engine
