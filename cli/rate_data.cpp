// The answers as data for other tools: JSON (numbers that read back exactly) and CSV.
#include <nlohmann/json.hpp>

#include "cli/rate_report.h"
#include "core/text.h"
#include "engine/code_forms.h"

namespace brg::cli {
namespace {

using engine::RateAnswer;
using engine::SettingAnswer;
using Json = nlohmann::ordered_json;

constexpr const char* kCsvHeader =
    "osc_mhz,baud,mode,n,spbrgh,spbrg,actual_baud,error_percent,verdict,best,registers\n";

std::vector<engine::RegisterWrite> Writes(const ReportContext& context,
                                          const SettingAnswer& answer) {
  return context.port->Writes(answer.setting);
}

// Each register written, by its name, with its value.
Json JsonRegisters(const std::vector<engine::RegisterWrite>& writes) {
  Json json = Json::object();
  for (const engine::RegisterWrite& write : writes) {
    json[write.name] = write.value;
  }
  return json;
}

Json WindowSetting(const ReportContext& context, const RateAnswer& answer, std::size_t index) {
  const SettingAnswer& setting = answer.settings[index];
  Json json;
  json["brgh"] = InfoOf(setting.setting.mode).brgh ? 1 : 0;
  json["verdict"] = VerdictKey(setting);
  json["best"] = answer.IsBest(index);
  if (setting.HasValue()) {
    const ModeSetting& shown = setting.setting;
    json["spbrg"] = shown.n;
    json["actual_baud"] = shown.actualBaud;
    json["error_ratio"] = shown.errorRatio;
    json["actual_baud_text"] = FormatBaudRate(shown.actualBaud, context.separators);
    json["error_text"] = FormatErrorPercent(shown.errorRatio, context.separators);
    json["registers"] = JsonRegisters(Writes(context, setting));
  }
  return json;
}

Json WindowRate(const ReportContext& context, const RateAnswer& answer) {
  Json json;
  json["wanted_baud"] = answer.wanted.baud;
  json["settings"] = Json::array();
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    json["settings"].push_back(WindowSetting(context, answer, i));
  }
  return json;
}

Json WindowJson(const ReportContext& context, const std::vector<RateAnswer>& answers, bool table) {
  Json json;
  json["oscillator_mhz"] = context.oscMHz;
  const char* key = table ? "table" : answers.size() == 1 ? "result" : "results";
  if (!table && answers.size() == 1) {
    json[key] = WindowRate(context, answers.front());
    return json;
  }
  json[key] = Json::array();
  for (const RateAnswer& answer : answers) {
    json[key].push_back(WindowRate(context, answer));
  }
  return json;
}

Json ModeSettingJson(const ReportContext& context, const RateAnswer& answer, std::size_t index) {
  const SettingAnswer& answered = answer.settings[index];
  const ModeSetting& setting = answered.setting;
  Json json;
  json["mode"] = std::string(InfoOf(setting.mode).name);
  json["n"] = setting.n;
  json["spbrgh"] = setting.spbrgh();
  json["spbrg"] = setting.spbrg();
  json["actual_baud"] = setting.actualBaud;
  json["error_ratio"] = setting.errorRatio;
  json["actual_baud_text"] = FormatBaudRate(setting.actualBaud, context.separators);
  json["error_text"] = FormatErrorPercent(setting.errorRatio, context.separators);
  json["verdict"] = VerdictKey(answered);
  json["trouble_spot"] = setting.troubleSpot();
  json["best"] = answer.IsBest(index);
  json["registers"] = JsonRegisters(Writes(context, answered));
  return json;
}

Json ModesJson(const ReportContext& context, const std::vector<RateAnswer>& answers) {
  Json json;
  json["oscillator_mhz"] = context.oscMHz;
  json["results"] = Json::array();
  for (const RateAnswer& answer : answers) {
    Json rate;
    rate["wanted_baud"] = answer.wanted.baud;
    rate["settings"] = Json::array();
    for (std::size_t i = 0; i < answer.settings.size(); ++i) {
      rate["settings"].push_back(ModeSettingJson(context, answer, i));
    }
    rate["best"] =
        answer.best ? Json(std::string(InfoOf(answer.Best()->setting.mode).name)) : Json(nullptr);
    rate["reason"] = answer.reason;
    json["results"].push_back(rate);
  }
  return json;
}

// n, SPBRGH, SPBRG, real rate and error in percent; empty cells for a setting without a value.
std::string CsvValues(const ReportContext& context, const SettingAnswer& answer) {
  if (!answer.HasValue()) {
    return ",,,,";
  }
  const ModeSetting& setting = answer.setting;
  bool window = context.layout == Layout::Window;
  return std::to_string(setting.n) + "," +
         (InfoOf(setting.mode).brg16 ? std::to_string(setting.spbrgh()) : "") + "," +
         (window ? std::to_string(setting.n) : std::to_string(setting.spbrg())) + "," +
         PlainNumber(setting.actualBaud) + "," + PlainNumber(setting.errorRatio * 100);
}

}  // namespace

void PrintJson(std::ostream& out, const ReportContext& context,
               const std::vector<RateAnswer>& answers, bool table) {
  Json json = context.layout == Layout::Window ? WindowJson(context, answers, table)
                                               : ModesJson(context, answers);
  out << json.dump(2) << "\n";
}

void PrintCsv(std::ostream& out, const ReportContext& context,
              const std::vector<RateAnswer>& answers) {
  out << kCsvHeader;
  for (const RateAnswer& answer : answers) {
    for (std::size_t i = 0; i < answer.settings.size(); ++i) {
      const SettingAnswer& setting = answer.settings[i];
      out << context.oscText << "," << answer.wanted.text << ","
          << InfoOf(setting.setting.mode).name << "," << CsvValues(context, setting) << ","
          << VerdictKey(setting) << "," << (answer.IsBest(i) ? "true" : "false") << ","
          << (setting.HasValue() ? engine::RegistersText(Writes(context, setting)) : "") << "\n";
    }
  }
}

}  // namespace brg::cli
