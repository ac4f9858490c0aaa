#include "engine/check/peripheral_bus.h"

#include <cmath>

#include "core/text.h"
#include "engine/check/source_text.h"

namespace brg::engine {

void PeripheralBus::Config(std::string_view settings, int line) {
  for (const auto& [name, setting] : SettingsOf(settings)) {
    if (Upper(name) != "FPBDIV") {
      continue;
    }
    std::string value = Upper(setting);
    for (int divider : {1, 2, 4, 8}) {
      if (value == "DIV_" + std::to_string(divider)) {
        divider_ = Named{static_cast<double>(divider), line, "#pragma config FPBDIV = " + value};
      }
    }
  }
}

PeripheralBus::Register PeripheralBus::DividerRegister(std::string_view reg,
                                                       std::string_view field) {
  std::string name = Upper(WithoutBitsSuffix(reg));
  if (Upper(field) != "PBDIV") {
    return Register::None;
  }
  return name == "OSCCON" ? Register::Osccon : name == "PB2DIV" ? Register::Pb2div : Register::None;
}

bool PeripheralBus::FieldWrite(std::string_view reg, std::string_view field, std::int64_t value,
                               int line) {
  Register which = DividerRegister(reg, field);
  if (which == Register::None) {
    return false;
  }
  std::string written = std::string(reg) + "." + std::string(field) + " = " + std::to_string(value);
  if (which == Register::Osccon && value >= 0 && value <= 3) {
    divider_ = Named{static_cast<double>(1 << value), line, written};
  } else if (which == Register::Pb2div && value >= 0 && value <= 127) {
    divider_ = Named{static_cast<double>(value + 1), line, written};
  }
  return true;
}

std::optional<std::int64_t> PeripheralBus::FieldValue(std::string_view name) const {
  std::size_t dot = name.find('.');
  if (dot == std::string_view::npos || !divider_) {
    return std::nullopt;
  }
  auto divider = static_cast<std::int64_t>(divider_->value);
  switch (DividerRegister(name.substr(0, dot), name.substr(dot + 1))) {
    case Register::Osccon:
      return static_cast<std::int64_t>(std::log2(divider_->value));
    case Register::Pb2div:
      return divider - 1;
    case Register::None:
      break;
  }
  return std::nullopt;
}

}  // namespace brg::engine
