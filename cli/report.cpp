#include "cli/report.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/columns.h"
#include "cli/register_setup.h"
#include "core/display_formats.h"

namespace brg::cli {
namespace {

std::string ModeName(bool brgh) {
  return brgh ? "BRGH=1" : "BRGH=0";
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

// A setting that can be calculated and has the smallest error of its rate.
bool MarkedBest(const RateResult& rate, const Setting& setting) {
  return rate.IsBest(setting) && setting.verdict != Verdict::Fault;
}

ModeSetting AsModeSetting(const Setting& setting) {
  return WindowModeSetting(setting.brgh, setting.shown.spbrg, setting.shown.actualBaud,
                           setting.shown.errorRatio);
}

nlohmann::ordered_json JsonSetting(const RateResult& rate, const Setting& setting,
                                   const Separators& separators, const UsartProfile& usart) {
  nlohmann::ordered_json json;
  json["brgh"] = setting.brgh ? 1 : 0;
  json["verdict"] = NamesOf(setting.verdict).key;
  json["best"] = MarkedBest(rate, setting);
  if (setting.verdict != Verdict::Fault) {
    json["spbrg"] = setting.shown.spbrg;
    json["actual_baud"] = setting.shown.actualBaud;
    json["error_ratio"] = setting.shown.errorRatio;
    json["actual_baud_text"] = FormatBaudRate(setting.shown.actualBaud, separators);
    json["error_text"] = FormatErrorPercent(setting.shown.errorRatio, separators);
    json["registers"] = JsonRegisters(RegisterWrites(AsModeSetting(setting), usart));
  }
  return json;
}

nlohmann::ordered_json JsonRate(const RateResult& rate, const Separators& separators,
                                const UsartProfile& usart) {
  nlohmann::ordered_json json;
  json["wanted_baud"] = rate.wantedBaud;
  json["settings"] = nlohmann::ordered_json::array();
  for (const Setting& setting : rate.settings) {
    json["settings"].push_back(JsonSetting(rate, setting, separators, usart));
  }
  return json;
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
    bool marked = rate.settings.size() > 1 && MarkedBest(rate, setting);
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
  out << "Oscillator " << oscText
      << " MHz   (* the better mode; verdicts: <=10%, >10%, 255 clamped,"
      << " 255>10% overflow, none)\n";
  std::string modeHeader = Padded("SPBRG", 5, true) + " " + Padded("real", 11, true) + " " +
                           Padded("error", 10, true) + " " + Padded("verdict", 7, false);
  out << Padded("baud", 8, true) << "  |";
  const std::vector<Setting>& modes = rates.front().settings;
  for (std::size_t i = 0; i < modes.size(); ++i) {
    out << (i > 0 ? " | " : " ") << ModeName(modes[i].brgh) << " " << modeHeader;
  }
  out << "\n";
  for (const RateResult& rate : rates) {
    out << Padded(rate.wantedText, 8, true) << "  |";
    for (const Setting& setting : rate.settings) {
      out << (MarkedBest(rate, setting) ? " *      " : "        ")
          << TableCells(setting, separators) << " |";
    }
    out << "\n";
  }
}

void PrintJson(std::ostream& out, double oscMHz, const std::vector<RateResult>& rates, bool table,
               const Separators& separators, const UsartProfile& usart) {
  nlohmann::ordered_json json;
  json["oscillator_mhz"] = oscMHz;
  if (table) {
    json["table"] = nlohmann::ordered_json::array();
    for (const RateResult& rate : rates) {
      json["table"].push_back(JsonRate(rate, separators, usart));
    }
  } else if (rates.size() == 1) {
    json["result"] = JsonRate(rates.front(), separators, usart);
  } else {
    json["results"] = nlohmann::ordered_json::array();
    for (const RateResult& rate : rates) {
      json["results"].push_back(JsonRate(rate, separators, usart));
    }
  }
  out << json.dump(2) << "\n";
}

void PrintCsv(std::ostream& out, const std::string& oscText, const std::vector<RateResult>& rates,
              const UsartProfile& usart) {
  out << kCsvHeader;
  for (const RateResult& rate : rates) {
    for (const Setting& setting : rate.settings) {
      out << oscText << "," << rate.wantedText << "," << (setting.brgh ? "8/16" : "8/64") << ",";
      bool fault = setting.verdict == Verdict::Fault;
      if (fault) {
        out << ",,,,,";
      } else {
        out << setting.shown.spbrg << ",," << setting.shown.spbrg << ","
            << PlainNumber(setting.shown.actualBaud) << ","
            << PlainNumber(setting.shown.errorRatio * 100) << ",";
      }
      out << NamesOf(setting.verdict).key << "," << (MarkedBest(rate, setting) ? "true" : "false")
          << "," << (fault ? "" : RegistersText(RegisterWrites(AsModeSetting(setting), usart)))
          << "\n";
    }
  }
}

}  // namespace brg::cli
