#include "cli/mode_report.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/columns.h"
#include "cli/register_setup.h"

namespace brg::cli {
namespace {

bool Within(const ModeSetting& setting) {
  return setting.reach == Reach::Within;
}

bool Asynchronous(const ModeSetting& setting) {
  return !InfoOf(setting.mode).sync;
}

std::string Name(const ModeSetting& setting) {
  return std::string(InfoOf(setting.mode).name);
}

std::string HighByte(const ModeSetting& setting) {
  return InfoOf(setting.mode).brg16 ? HexByte(setting.spbrgh()) : "-";
}

// The best asynchronous setting within reach, and why.
void ChooseBest(ModeResult& result) {
  for (std::size_t i = 0; i < result.settings.size(); ++i) {
    const ModeSetting& setting = result.settings[i];
    if (Asynchronous(setting) && Within(setting) &&
        (!result.best || Better(setting, result.settings[*result.best]))) {
      result.best = i;
    }
  }
  if (!result.best) {
    result.reason = "no asynchronous mode reaches this rate";
    return;
  }
  const ModeSetting& best = result.settings[*result.best];
  std::string sharing;
  for (const ModeSetting& other : result.settings) {
    if (&other != &best && Asynchronous(other) && Within(other) &&
        std::fabs(other.errorRatio) == std::fabs(best.errorRatio)) {
      sharing += (sharing.empty() ? "" : ", ") + Name(other);
    }
  }
  result.reason = sharing.empty()
                      ? "the lowest error"
                      : "the lowest error, shared with " + sharing +
                            " (on a tie 8-bit before 16-bit, then BRGH set before clear)";
}

std::string SettingRow(const ModeResult& result, std::size_t index, const Separators& separators) {
  const ModeSetting& setting = result.settings[index];
  return (result.IsBest(index) ? "* " : "  ") + Padded(Name(setting), 6, false) +
         Padded(std::to_string(setting.n), 6, true) + "  " + Padded(HighByte(setting), 6, true) +
         "  " + Padded(HexByte(setting.spbrg()), 5, true) + "  " +
         Padded(FormatBaudRate(setting.actualBaud, separators), 11, true) + "  " +
         Padded(FormatErrorPercent(setting.errorRatio, separators), 10, true) + "  " +
         ModeVerdictText(setting, separators);
}

std::string TableCell(const ModeResult& result, std::size_t index, const Separators& separators) {
  const ModeSetting& setting = result.settings[index];
  return std::string(result.IsBest(index) ? "*" : " ") + (Within(setting) ? " " : "!") +
         Padded(std::to_string(setting.n), 6, true) + " " +
         Padded(FormatBaudRate(setting.actualBaud, separators), 11, true) + " " +
         Padded(FormatErrorPercent(setting.errorRatio, separators), 10, true);
}

nlohmann::ordered_json JsonSetting(const ModeResult& result, std::size_t index,
                                   const Separators& separators, const UsartProfile& usart) {
  const ModeSetting& setting = result.settings[index];
  nlohmann::ordered_json json;
  json["mode"] = Name(setting);
  json["n"] = setting.n;
  json["spbrgh"] = setting.spbrgh();
  json["spbrg"] = setting.spbrg();
  json["actual_baud"] = setting.actualBaud;
  json["error_ratio"] = setting.errorRatio;
  json["actual_baud_text"] = FormatBaudRate(setting.actualBaud, separators);
  json["error_text"] = FormatErrorPercent(setting.errorRatio, separators);
  json["verdict"] = ModeVerdictKey(setting);
  json["trouble_spot"] = setting.troubleSpot();
  json["best"] = result.IsBest(index);
  json["registers"] = JsonRegisters(RegisterWrites(setting, usart));
  return json;
}

}  // namespace

std::string ModeVerdictText(const ModeSetting& setting, const Separators& separators) {
  std::string text;
  switch (setting.reach) {
    case Reach::TooFast:
      text = "unreachable: too fast";
      break;
    case Reach::TooSlow:
      text = "unreachable: too slow, clamped at " + std::to_string(InfoOf(setting.mode).nMax);
      break;
    case Reach::Within:
      text = std::fabs(setting.errorRatio) > ErrorLimit ? "error above 10%" : "within 10%";
      break;
  }
  if (setting.reach != Reach::Within) {
    text += " (nearest " + FormatBaudRate(setting.actualBaud, separators) + ")";
  }
  if (setting.troubleSpot()) {
    text += "; n = 0 in 16/4 fails on some parts";
  }
  return text;
}

std::string ModeVerdictKey(const ModeSetting& setting) {
  switch (setting.reach) {
    case Reach::TooFast:
      return "too_fast";
    case Reach::TooSlow:
      return "too_slow";
    case Reach::Within:
      break;
  }
  return std::fabs(setting.errorRatio) > ErrorLimit ? "above_10_percent" : "within_10_percent";
}

ModeResult CalculateModes(double oscMHz, const WantedRate& wanted,
                          const std::vector<BrgMode>& modes, std::optional<std::int32_t> spbrg) {
  ModeResult result;
  result.wanted = wanted;
  for (BrgMode mode : modes) {
    result.settings.push_back(spbrg ? EvaluateMode(oscMHz, wanted.baud, mode, *spbrg)
                                    : BestInMode(oscMHz, wanted.baud, mode));
  }
  ChooseBest(result);
  return result;
}

void PrintModesPlain(std::ostream& out, const std::string& oscText, const ModeResult& result,
                     const Separators& separators) {
  out << "Oscillator " << oscText << " MHz, wanted " << result.wanted.text << " baud\n";
  out << "  mode       n  SPBRGH  SPBRG         real       error\n";
  bool anyAsynchronous = false;
  for (std::size_t i = 0; i < result.settings.size(); ++i) {
    if (Asynchronous(result.settings[i])) {
      anyAsynchronous = true;
      out << SettingRow(result, i, separators) << "\n";
    }
  }
  bool headed = false;
  for (std::size_t i = 0; i < result.settings.size(); ++i) {
    if (!Asynchronous(result.settings[i])) {
      if (!headed && anyAsynchronous) {
        out << "  synchronous master clock, never the best UART setting:\n";
      }
      headed = true;
      out << SettingRow(result, i, separators) << "\n";
    }
  }
  if (anyAsynchronous) {
    out << "  best: "
        << (result.best ? Name(result.settings[*result.best]) + ", " + result.reason
                        : "none, " + result.reason)
        << "\n";
  }
}

void PrintModesTable(std::ostream& out, const std::string& oscText,
                     const std::vector<ModeResult>& results, const Separators& separators) {
  out << "Oscillator " << oscText
      << " MHz   (* the best mode of the rate; ! beyond the register's reach)\n";
  out << Padded("baud", 8, true) << "  |";
  for (const ModeSetting& setting : results.front().settings) {
    out << " " << Padded(Name(setting), 8, false) << " " << Padded("real", 11, true) << " "
        << Padded("error", 10, true) << " |";
  }
  out << "\n";
  for (const ModeResult& result : results) {
    out << Padded(result.wanted.text, 8, true) << "  |";
    for (std::size_t i = 0; i < result.settings.size(); ++i) {
      out << " " << TableCell(result, i, separators) << " |";
    }
    out << "\n";
  }
}

void PrintModesJson(std::ostream& out, double oscMHz, const std::vector<ModeResult>& results,
                    const Separators& separators, const UsartProfile& usart) {
  nlohmann::ordered_json json;
  json["oscillator_mhz"] = oscMHz;
  json["results"] = nlohmann::ordered_json::array();
  for (const ModeResult& result : results) {
    nlohmann::ordered_json rate;
    rate["wanted_baud"] = result.wanted.baud;
    rate["settings"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < result.settings.size(); ++i) {
      rate["settings"].push_back(JsonSetting(result, i, separators, usart));
    }
    rate["best"] = result.best ? nlohmann::ordered_json(Name(result.settings[*result.best]))
                               : nlohmann::ordered_json(nullptr);
    rate["reason"] = result.reason;
    json["results"].push_back(rate);
  }
  out << json.dump(2) << "\n";
}

void PrintModesCsv(std::ostream& out, const std::string& oscText,
                   const std::vector<ModeResult>& results, const UsartProfile& usart) {
  out << kCsvHeader;
  for (const ModeResult& result : results) {
    for (std::size_t i = 0; i < result.settings.size(); ++i) {
      const ModeSetting& setting = result.settings[i];
      out << oscText << "," << result.wanted.text << "," << Name(setting) << "," << setting.n << ","
          << (InfoOf(setting.mode).brg16 ? std::to_string(setting.spbrgh()) : "") << ","
          << static_cast<int>(setting.spbrg()) << "," << PlainNumber(setting.actualBaud) << ","
          << PlainNumber(setting.errorRatio * 100) << "," << ModeVerdictKey(setting) << ","
          << (result.IsBest(i) ? "true" : "false") << ","
          << RegistersText(RegisterWrites(setting, usart)) << "\n";
    }
  }
}

}  // namespace brg::cli
