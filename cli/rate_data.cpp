// The answers as data for other tools, in one form for the window's Calculate and the exact
// modes, one rate or a table: JSON (numbers that read back exactly) and CSV.
#include <nlohmann/json.hpp>

#include "cli/rate_report.h"
#include "core/text.h"
#include "engine/forms/code_forms.h"
#include "engine/forms/setting_json.h"

namespace brg::cli {
namespace {

using engine::RateAnswer;
using engine::SettingAnswer;
using Json = nlohmann::ordered_json;

constexpr const char* kCsvHeader =
    "osc_mhz,baud,mode,n,spbrgh,spbrg,actual_baud,error_percent,verdict,best,passes,registers\n";

std::vector<engine::RegisterWrite> Writes(const ReportContext& context,
                                          const SettingAnswer& answer) {
  return context.port->Writes(answer.setting);
}

// Each register written, by its name, with the value the writes leave in it.
Json JsonRegisters(const std::vector<engine::RegisterWrite>& writes) {
  Json json = Json::object();
  for (const auto& [name, value] : engine::ValuesLeft(writes)) {
    json[name] = value;
  }
  return json;
}

std::string ModeName(BrgMode mode) {
  return std::string(InfoOf(mode).name);
}

// A number, or null for a setting without a value.
template <typename T>
Json ValueOrNull(const SettingAnswer& answer, T value) {
  return answer.HasValue() ? Json(value) : Json(nullptr);
}

Json SettingJson(const ReportContext& context, const RateAnswer& answer, std::size_t index) {
  const SettingAnswer& answered = answer.settings[index];
  const ModeSetting& setting = answered.setting;
  Json json;
  json["mode"] = ModeName(setting.mode);
  json["n"] = ValueOrNull(answered, setting.n);
  json["spbrgh"] = ValueOrNull(answered, setting.spbrgh());
  json["spbrg"] = ValueOrNull(answered, setting.spbrg());
  json["actual_baud"] = ValueOrNull(answered, setting.actualBaud);
  json["error_ratio"] = ValueOrNull(answered, setting.errorRatio);
  json["actual_baud_text"] =
      ValueOrNull(answered, FormatBaudRate(setting.actualBaud, context.separators));
  json["error_text"] =
      ValueOrNull(answered, FormatErrorPercent(setting.errorRatio, context.separators));
  json["verdict"] = VerdictKey(answered);
  json["trouble_spot"] = setting.troubleSpot();
  json["best"] = answer.IsBest(index);
  json["passes"] = answered.passes;
  json["registers"] =
      answered.HasValue() ? JsonRegisters(Writes(context, answered)) : Json(nullptr);
  return json;
}

Json BriefSetting(const ModeSetting& setting) {
  Json json;
  json["mode"] = ModeName(setting.mode);
  json["n"] = setting.n;
  json["actual_baud"] = setting.actualBaud;
  json["error_ratio"] = setting.errorRatio;
  return json;
}

Json RateJson(const ReportContext& context, const RateAnswer& answer) {
  Json rate;
  rate["wanted_baud"] = answer.wanted.baud;
  rate["settings"] = Json::array();
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    rate["settings"].push_back(SettingJson(context, answer, i));
  }
  rate["best"] = answer.best ? Json(ModeName(answer.Best()->setting.mode)) : Json(nullptr);
  rate["reason"] = answer.reason;
  rate["nearest"] = answer.nearest ? Json(ModeName(answer.settings[*answer.nearest].setting.mode))
                                   : Json(nullptr);
  rate["passing_elsewhere"] =
      answer.passingElsewhere ? BriefSetting(*answer.passingElsewhere) : Json(nullptr);
  return rate;
}

// n, SPBRGH, SPBRG, real rate and error in percent; empty cells for a setting without a value.
std::string CsvValues(const SettingAnswer& answer) {
  if (!answer.HasValue()) {
    return ",,,,";
  }
  const ModeSetting& setting = answer.setting;
  return std::to_string(setting.n) + "," +
         (InfoOf(setting.mode).brg16 ? std::to_string(setting.spbrgh()) : "") + "," +
         std::to_string(setting.spbrg()) + "," + PlainNumber(setting.actualBaud) + "," +
         PlainNumber(setting.errorRatio * 100);
}

}  // namespace

void PrintJson(std::ostream& out, const ReportContext& context,
               const std::vector<RateAnswer>& answers) {
  Json json;
  json["oscillator_mhz"] = context.oscMHz;
  json["uart_clock_mhz"] = context.clockMHz;
  json["uart_clock"] = context.clockText.empty() ? Json(nullptr) : Json(context.clockText);
  json["max_error_percent"] = context.budget.maxErrorPercent;
  json["osc_tolerance_percent"] = context.budget.oscTolerancePercent;
  json["results"] = Json::array();
  for (const RateAnswer& answer : answers) {
    json["results"].push_back(RateJson(context, answer));
  }
  json["note"] = context.note.empty() ? Json(nullptr) : Json(context.note);
  out << json.dump(2) << "\n";
}

void PrintCsv(std::ostream& out, const ReportContext& context,
              const std::vector<RateAnswer>& answers) {
  out << kCsvHeader;
  for (const RateAnswer& answer : answers) {
    for (std::size_t i = 0; i < answer.settings.size(); ++i) {
      const SettingAnswer& setting = answer.settings[i];
      out << context.oscText << "," << answer.wanted.text << ","
          << InfoOf(setting.setting.mode).name << "," << CsvValues(setting) << ","
          << VerdictKey(setting) << "," << (answer.IsBest(i) ? "true" : "false") << ","
          << (setting.passes ? "true" : "false") << ","
          << (setting.HasValue() ? engine::RegistersText(Writes(context, setting)) : "") << "\n";
    }
  }
}

}  // namespace brg::cli
