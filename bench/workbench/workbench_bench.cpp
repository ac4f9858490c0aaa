// Speed of the workbench model: the whole table recalculated after a keystroke in the
// oscillator box (every mode of a four-mode part, 20 rates, with the chosen setting and its
// code), a rate ticked (the clock ranking too), and a pasted mebibyte of setup checked.
#include <benchmark/benchmark.h>

#include <string>

#include "workbench/workbench.h"

namespace {

namespace wb = brg::workbench;

class SilentHosts : public wb::ClipboardHost, public wb::KeptStore, public wb::LocaleHost {
 public:
  bool Put(std::string_view) override { return true; }
  std::optional<wb::KeptValues> Load() override { return std::nullopt; }
  void Save(const wb::KeptValues&) override {}
  brg::Separators CurrentSeparators() const override { return {}; }
  wb::WorkbenchHosts Hosts() { return wb::WorkbenchHosts{*this, *this, *this}; }
};

// The 16F1829 (8/64, 8/16, 16/16, 16/4) at 16 MHz with the 16 standard rates and 4 others.
wb::StartRequest TwentyRates() {
  wb::StartRequest request;
  request.part = "16F1829";
  request.oscMHz = "16";
  for (const char* rate : {"300",    "600",    "1200",  "2400",  "4800",   "9600",   "14400",
                           "19200",  "28800",  "38400", "57600", "76800",  "115200", "128000",
                           "230400", "250000", "31250", "62500", "500000", "1000000"}) {
    request.rates.emplace_back(rate);
  }
  return request;
}

bool WholeTable(const wb::Workbench& workbench) {
  const wb::RateTable& table = workbench.view().table;
  return table.rows.size() == 20 && table.modes.size() == 4 && workbench.view().setting.shown;
}

void BM_RecalculateTheWholeTable(benchmark::State& state) {
  SilentHosts hosts;
  wb::Workbench workbench(hosts.Hosts());
  workbench.Start(TwentyRates());
  const char* clocks[] = {"16", "16.5"};
  std::size_t i = 0;
  for (auto _ : state) {
    workbench.Perform(wb::action::EditOscillator{clocks[i++ % 2]});
    benchmark::DoNotOptimize(workbench.view().table.rows.data());
  }
  if (!WholeTable(workbench)) {
    state.SkipWithError("the table is not the whole one");
  }
  state.counters["cells"] = 80;
}
BENCHMARK(BM_RecalculateTheWholeTable)->Unit(benchmark::kMicrosecond);

// A tick changes the rates: the table and the clock ranking, on show, are worked out again.
void BM_TickARate(benchmark::State& state) {
  SilentHosts hosts;
  wb::Workbench workbench(hosts.Hosts());
  workbench.Start(TwentyRates());
  workbench.Perform(wb::action::ShowClocks{true});
  bool ticked = true;
  for (auto _ : state) {
    ticked = !ticked;
    workbench.Perform(wb::action::TickRate{9600, ticked});
    benchmark::DoNotOptimize(workbench.view().clocks.rows.data());
  }
  if (workbench.view().clocks.rows.empty()) {
    state.SkipWithError("no clock ranking");
  }
}
BENCHMARK(BM_TickARate)->Unit(benchmark::kMicrosecond);

// A pasted mebibyte: the window's export among other code, as spbrg check's benchmark has it.
std::string Mebibyte(const char* spbrg) {
  std::string source;
  while (source.size() < (1 << 20)) {
    source += "LCD_DATA = $24 : PORTB = %1010 ' no serial register here\n";
    source += std::string("DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG ") +
              spbrg + " ' 9600 Bauds\r\n";
  }
  return source;
}

void BM_CheckAPastedMebibyte(benchmark::State& state) {
  SilentHosts hosts;
  wb::Workbench workbench(hosts.Hosts());
  wb::StartRequest request;
  request.part = "";
  request.oscMHz = "4";
  request.rates = {"9600"};
  workbench.Start(request);
  const std::string sources[] = {Mebibyte("25"), Mebibyte("26")};
  std::size_t i = 0;
  for (auto _ : state) {
    workbench.Perform(wb::action::EditSetup{sources[i++ % 2]});
    benchmark::DoNotOptimize(workbench.view().check.findings.data());
  }
  if (!workbench.view().check.checked || !workbench.view().check.problem.empty()) {
    state.SkipWithError("the setup was not checked");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(sources[0].size()));
}
BENCHMARK(BM_CheckAPastedMebibyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
