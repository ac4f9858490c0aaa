#include "web/workbench_json.h"

#include "core/display_formats.h"
#include "core/float_chars.h"
#include "engine/answers/wanted_rate.h"
#include "web/json_text.h"
#include "workbench/entry_reading.h"

namespace brg::web {
namespace {

using workbench::WorkbenchState;
using workbench::WorkbenchView;

void Entry(JsonText& json, std::string_view key, const std::string& text,
           const workbench::NumberEntry& entry) {
  json.Key(key).BeginObject();
  json.Key("text").String(text).Key("message").String(entry.message);
  json.EndObject();
}

void State(JsonText& json, const WorkbenchState& state) {
  json.Key("state").BeginObject();
  json.Key("part").String(state.partText).Key("uart").Number(state.uart);
  json.Key("osc").String(state.oscText).Key("budget").String(state.budgetText);
  json.Key("tolerance").String(state.toleranceText);
  json.BeginArray("ticked");
  for (double rate : state.tickedRates) {
    json.Number(rate);
  }
  json.EndArray();
  json.Key("extraRates").String(state.extraRatesText);
  json.Key("overrunClear").Bool(state.overrunClear).Key("wholeProgram").Bool(state.wholeProgram);
  json.Key("clocksShown").Bool(state.clocksShown);
  json.Key("setup").String(state.setupText).Key("copyMessage").String(state.copyMessage);
  json.EndObject();
}

void Table(JsonText& json, const workbench::RateTable& table, const std::string& message) {
  json.Key("table").BeginObject();
  json.BeginArray("modes");
  for (const std::string& name : table.modeNames) {
    json.String(name);
  }
  json.EndArray().BeginArray("rows");
  for (const workbench::TableRow& row : table.rows) {
    json.BeginObject().Key("rate").String(row.rateText).Key("baud").Number(row.answer.wanted.baud);
    json.BeginArray("cells");
    for (const workbench::TableCell& cell : row.cells) {
      json.BeginObject().Key("text").String(cell.text).Key("verdict").String(cell.verdict);
      json.Key("margin").String(workbench::MarginWords(cell.margin)).Key("best").Bool(cell.best);
      json.EndObject();
    }
    json.EndArray().EndObject();
  }
  json.EndArray().Key("message").String(message).EndObject();
}

void Setting(JsonText& json, const workbench::SettingView& setting) {
  json.Key("setting").BeginObject().Key("shown").Bool(setting.shown);
  json.Key("row").Number(static_cast<double>(setting.row));
  json.Key("column").Number(static_cast<double>(setting.column));
  json.Key("heading").String(setting.heading).BeginArray("registers");
  for (const workbench::RegisterLine& line : setting.registers) {
    json.BeginObject().Key("name").String(line.name).Key("value").String(line.value).EndObject();
  }
  json.EndArray().Key("realRate").String(setting.realRate).Key("error").String(setting.error);
  json.Key("bitTime").String(setting.bitTime).Key("verdict").String(setting.verdict);
  json.BeginArray("forms");
  for (const workbench::CodeFormView& form : setting.forms) {
    json.BeginObject().Key("kind").Number(static_cast<int>(form.kind));
    json.Key("name").String(form.name).Key("text").String(form.text).EndObject();
  }
  json.EndArray().Key("wholeProgramOffered").Bool(setting.wholeProgramOffered).EndObject();
}

void Clocks(JsonText& json, const workbench::ClockRanking& clocks) {
  json.Key("clocks").BeginObject().Key("heading").String(clocks.heading).BeginArray("rates");
  for (const std::string& rate : clocks.rateNames) {
    json.String(rate);
  }
  json.EndArray().BeginArray("rows");
  for (const workbench::ClockRow& row : clocks.rows) {
    json.BeginObject().Key("clock").String(row.clockText).Key("name").String(row.name);
    json.Key("kind").String(row.kind).Key("worst").String(row.worst).Key("passes").Bool(row.passes);
    json.BeginArray("rates");
    for (const std::string& rate : row.rates) {
      json.String(rate);
    }
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
}

void Check(JsonText& json, const workbench::CheckView& check, std::optional<int> shownLine) {
  json.Key("check").BeginObject().Key("checked").Bool(check.checked);
  json.Key("summary").String(check.summary).Key("problem").String(check.problem);
  json.BeginArray("findings");
  for (const workbench::FindingLine& finding : check.findings) {
    json.BeginObject().Key("line").Number(finding.line).Key("text").String(finding.text);
    json.EndObject();
  }
  json.EndArray().Key("shownLine");
  shownLine ? json.Number(*shownLine) : json.Null();
  json.EndObject();
}

// The page's address as a link to the question on show: what differs from a new workbench's
// values, and every rate, ticked or typed.
void Address(JsonText& json, const WorkbenchState& state) {
  const WorkbenchState fresh;
  json.BeginArray("address");
  auto pair = [&json](std::string_view name, const std::string& value) {
    json.BeginArray().String(name).String(value).EndArray();
  };
  if (!state.partText.empty()) {
    pair("device", state.partText);
  }
  if (state.uart != fresh.uart) {
    pair("uart", std::to_string(state.uart));
  }
  pair("osc", state.oscText);
  if (state.budgetText != fresh.budgetText) {
    pair("budget", state.budgetText);
  }
  if (state.toleranceText != fresh.toleranceText) {
    pair("tolerance", state.toleranceText);
  }
  for (double rate : state.tickedRates) {
    pair("baud", ShortestText(rate));
  }
  for (std::string_view rate : workbench::RateTokens(state.extraRatesText)) {
    pair("baud", std::string(rate));
  }
  json.EndArray();
}

// The standard rates to tick, each with its text in the user's separators.
void StandardRates(JsonText& json, const Separators& separators) {
  json.BeginArray("standardRates");
  for (double rate : engine::kStandardRates) {
    json.BeginObject().Key("baud").Number(rate);
    json.Key("text").String(FormatBaudRate(rate, separators)).EndObject();
  }
  json.EndArray();
}

void View(JsonText& json, const WorkbenchState& state, const WorkbenchView& view) {
  json.Key("view").BeginObject();
  json.Key("part").BeginObject().Key("message").String(view.part.message);
  json.Key("note").String(view.part.note).Key("ports").Number(view.part.ports).EndObject();
  Entry(json, "oscillator", state.oscText, view.oscillator);
  json.Key("clock").BeginObject().Key("text").String(view.clock.text);
  json.Key("refusal").String(view.clock.refusal).EndObject();
  Entry(json, "budget", state.budgetText, view.budget);
  Entry(json, "tolerance", state.toleranceText, view.tolerance);
  json.Key("ratesMessage").String(view.ratesMessage);
  Table(json, view.table, view.tableMessage);
  Setting(json, view.setting);
  Clocks(json, view.clocks);
  Check(json, view.check, view.shownLine);
  json.EndObject();
}

}  // namespace

std::string WorkbenchJson(const workbench::Workbench& bench) {
  JsonText json;
  json.BeginObject();
  State(json, bench.state());
  View(json, bench.state(), bench.view());
  StandardRates(json, bench.separators());
  Address(json, bench.state());
  json.EndObject();
  return json.text();
}

}  // namespace brg::web
