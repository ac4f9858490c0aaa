#include "cli/report.h"

#include <charconv>
#include <cmath>

#include "core/define_export.h"
#include "core/display_formats.h"

namespace brg::cli {
namespace {

std::string Padded(const std::string& text, std::size_t width, bool right) {
  // Width in characters, not bytes: a locale's separator may be several bytes long.
  std::size_t characters = 0;
  for (char c : text) {
    characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  std::string padding(characters < width ? width - characters : 0, ' ');
  return right ? padding + text : text + padding;
}

std::string ModeName(bool brgh) {
  return brgh ? "BRGH=1" : "BRGH=0";
}

// A JSON number with 17 significant digits, whatever the locale.
std::string FullPrecision(double value) {
  std::array<char, 32> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 17);
  return std::string(buffer.data(), end);
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + "\"";
}

std::string TableCells(const Setting& setting, const Separators& separators) {
  if (setting.verdict == Verdict::Fault) {
    return Padded("-", 5, true) + " " + Padded("-", 11, true) + " " + Padded("-", 10, true) + " " +
           Padded(NamesOf(setting.verdict).column, 7, false);
  }
  return Padded(FormatSpbrg(setting.shown.spbrg), 5, true) + " " +
         Padded(FormatBaudRate(setting.shown.actualBaud, separators), 11, true) + " " +
         Padded(FormatErrorPercent(setting.shown.errorRatio, separators), 10, true) + " " +
         Padded(NamesOf(setting.verdict).column, 7, false);
}

void PrintJsonSetting(std::ostream& out, const Setting& setting, bool best,
                      const Separators& separators) {
  out << "{\"brgh\": " << (setting.brgh ? 1 : 0) << ", \"verdict\": \""
      << NamesOf(setting.verdict).key << "\", \"best\": " << (best ? "true" : "false");
  if (setting.verdict != Verdict::Fault) {
    out << ", \"spbrg\": " << setting.shown.spbrg
        << ", \"actual_baud\": " << FullPrecision(setting.shown.actualBaud)
        << ", \"error_ratio\": " << FullPrecision(setting.shown.errorRatio)
        << ", \"actual_baud_text\": "
        << JsonString(FormatBaudRate(setting.shown.actualBaud, separators)) << ", \"error_text\": "
        << JsonString(FormatErrorPercent(setting.shown.errorRatio, separators));
  }
  out << "}";
}

void PrintJsonRate(std::ostream& out, const RateResult& rate, const Separators& separators) {
  out << "{\"wanted_baud\": " << FullPrecision(rate.wantedBaud) << ", \"settings\": [";
  for (std::size_t i = 0; i < rate.settings.size(); ++i) {
    out << (i > 0 ? ", " : "");
    PrintJsonSetting(out, rate.settings[i], rate.IsBest(rate.settings[i]), separators);
  }
  out << "]}";
}

}  // namespace

RateResult CalculateRate(double oscMHz, double wantedBaud, const std::string& wantedText,
                         const std::vector<bool>& modes) {
  RateResult rate;
  rate.wantedBaud = wantedBaud;
  rate.wantedText = wantedText;
  for (bool brgh : modes) {
    rate.settings.push_back(CalculateSetting(oscMHz, wantedBaud, brgh));
  }
  for (std::size_t i = 1; i < rate.settings.size(); ++i) {
    if (&BetterSetting(rate.best(), rate.settings[i]) == &rate.settings[i]) {
      rate.bestIndex = i;
    }
  }
  return rate;
}

void PrintPlain(std::ostream& out, const std::string& oscText, const RateResult& rate,
                const Separators& separators) {
  out << "Oscillator " << oscText << " MHz, wanted " << rate.wantedText << " baud\n";
  for (const Setting& setting : rate.settings) {
    bool marked =
        rate.settings.size() > 1 && rate.IsBest(setting) && setting.verdict != Verdict::Fault;
    out << (marked ? "* " : "  ") << ModeName(setting.brgh) << "  ";
    if (setting.verdict != Verdict::Fault) {
      out << "SPBRG " << Padded(FormatSpbrg(setting.shown.spbrg), 3, true) << "  real "
          << Padded(FormatBaudRate(setting.shown.actualBaud, separators), 9, true)
          << " baud  error "
          << Padded(FormatErrorPercent(setting.shown.errorRatio, separators), 9, true) << "  ";
    }
    out << NamesOf(setting.verdict).text << "\n";
  }
}

void PrintTable(std::ostream& out, const std::string& oscText, const std::vector<RateResult>& rates,
                const Separators& separators) {
  out << "Oscillator " << oscText << " MHz   (* the better mode; verdicts: ok, >10%, 255 clamped,"
      << " 255>10% overflow, none)\n";
  std::string modeHeader = Padded("SPBRG", 5, true) + " " + Padded("real", 11, true) + " " +
                           Padded("error", 10, true) + " " + Padded("verdict", 7, false);
  out << Padded("baud", 8, true) << "  | BRGH=1 " << modeHeader << " | BRGH=0 " << modeHeader
      << "\n";
  for (const RateResult& rate : rates) {
    out << Padded(rate.wantedText, 8, true) << "  |";
    for (const Setting& setting : rate.settings) {
      bool marked = rate.IsBest(setting) && setting.verdict != Verdict::Fault;
      out << (marked ? " *      " : "        ") << TableCells(setting, separators) << " |";
    }
    out << "\n";
  }
}

void PrintJson(std::ostream& out, double oscMHz, const std::vector<RateResult>& rates, bool table,
               const Separators& separators) {
  out << "{\"oscillator_mhz\": " << FullPrecision(oscMHz) << ", ";
  if (!table) {
    out << "\"result\": ";
    PrintJsonRate(out, rates.front(), separators);
  } else {
    out << "\"table\": [";
    for (std::size_t i = 0; i < rates.size(); ++i) {
      out << (i > 0 ? ",\n  " : "\n  ");
      PrintJsonRate(out, rates[i], separators);
    }
    out << "\n]";
  }
  out << "}\n";
}

std::string SettingDefines(const Setting& setting, const std::string& wantedText, bool cloerr) {
  std::string block = DefineBlock(setting.brgh, FormatSpbrg(setting.shown.spbrg), wantedText);
  if (cloerr) {
    block += kOverrunClearLine;
  }
  return block;
}

std::string CAssignments(const Setting& setting) {
  return std::string("RCSTA = 0x90; TXSTA = ") + (setting.brgh ? "0x24" : "0x20") +
         "; SPBRG = " + FormatSpbrg(setting.shown.spbrg) + ";\n";
}

}  // namespace brg::cli
