// Speed of the window model: a whole Calculate run, one "+" press, and reading a number from a
// 1 MiB text.
#include <benchmark/benchmark.h>

#include <string>

#include "core/brg_modes.h"
#include "engine/check/setup_check.h"
#include "engine/parts/part_profile.h"
#include "window/calculator_window.h"
#include "window/leading_number.h"
#include "window/user_actions.h"

namespace {

class SilentHosts : public brg::MessageBoxHost, public brg::ClipboardHost, public brg::LocaleHost {
 public:
  int ShowMessage(std::string_view, int, std::string_view) override { return brg::msgbox::kYes; }
  bool Clear() override { return true; }
  bool SetText(std::string_view) override { return true; }
  brg::Separators CurrentSeparators() const override { return {}; }
};

// A started window with 4 MHz and 9600 baud entered and calculated, the focus on Calculate.
void Prepare(brg::CalculatorWindow& window) {
  window.Form_Load();
  window.ShowWindow();
  brg::Perform(window, brg::action::Type{U'4'});
  window.PressEnter();
  for (char32_t c : std::u32string(U"9600")) {
    brg::Perform(window, brg::action::Type{c});
  }
  window.PressEnter();
  window.PressEnter();
}

void BM_CalculateRun(benchmark::State& state) {
  SilentHosts hosts;
  brg::CalculatorWindow window(brg::WindowHosts::Of(hosts));
  Prepare(window);
  for (auto _ : state) {
    window.ClickControl(brg::ControlId::Command1);
    benchmark::DoNotOptimize(window.state().SpbrgValue);
  }
  if (window.control(brg::ControlId::lSPBRG).text != "25") {
    state.SkipWithError("the calculation did not run");
  }
}
BENCHMARK(BM_CalculateRun);

void BM_StepPlus(benchmark::State& state) {
  SilentHosts hosts;
  brg::CalculatorWindow window(brg::WindowHosts::Of(hosts));
  Prepare(window);
  window.ClickControl(brg::ControlId::cInc);  // the focus is now on "+"
  for (auto _ : state) {
    window.ClickControl(brg::ControlId::cInc);  // steps up to 255, then evaluates 255 again
    benchmark::DoNotOptimize(window.state().SpbrgValue);
  }
}
BENCHMARK(BM_StepPlus);

void BM_LeadingNumberOneMebibyte(benchmark::State& state) {
  std::string digits = "4." + std::string((1 << 20) - 2, '9');
  std::string spaced = "4.";
  while (spaced.size() < (1 << 20)) {
    spaced += spaced.size() % 4 == 0 ? "9 " : "9\t";
  }
  const std::string& text = state.range(0) == 0 ? digits : spaced;
  for (auto _ : state) {
    benchmark::DoNotOptimize(brg::LeadingNumber(text));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LeadingNumberOneMebibyte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One wanted rate settled in all six modes of the generator.
void BM_SettleEveryMode(benchmark::State& state) {
  double rate = 115200;
  for (auto _ : state) {
    for (brg::BrgMode mode : brg::kAllModes) {
      benchmark::DoNotOptimize(brg::BestInMode(16, rate, mode));
    }
  }
}
BENCHMARK(BM_SettleEveryMode);

// A million (clock, rate, mode) settlements: 1000 clocks, 167 rates, six modes.
void BM_SweepOfAMillion(benchmark::State& state) {
  std::int64_t settled = 0;
  for (auto _ : state) {
    for (int clock = 0; clock < 1000; ++clock) {
      double oscMHz = 0.031 + clock * 0.064;
      for (int rate = 0; rate < 167; ++rate) {
        for (brg::BrgMode mode : brg::kAllModes) {
          benchmark::DoNotOptimize(brg::BestInMode(oscMHz, 300.0 + rate * 1500.0, mode));
          ++settled;
        }
      }
    }
  }
  state.counters["settlements"] = static_cast<double>(settled) / state.iterations();
}
BENCHMARK(BM_SweepOfAMillion)->Unit(benchmark::kMillisecond);

// spbrg check over a mebibyte of source: the window's export, and other code around it.
void BM_CheckOneMebibyte(benchmark::State& state) {
  std::string source;
  while (source.size() < (1 << 20)) {
    source += "LCD_DATA = $24 : PORTB = %1010 ' no serial register here\n";
    source +=
        "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 25 ' 9600 Bauds\r\n";
  }
  brg::engine::CheckOptions options;
  options.oscMHz = 4;
  brg::engine::PartProfile classic = brg::engine::ClassicProfile();
  for (auto _ : state) {
    benchmark::DoNotOptimize(brg::engine::CheckSetup(source, options, *classic.ports.front()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_CheckOneMebibyte)->Unit(benchmark::kMillisecond);

// A mebibyte of `filler` with `setup` at its end: the reader has to walk all of it.
std::string MebibyteOf(std::string_view filler, std::string_view setup) {
  std::string source;
  while (source.size() < (1 << 20)) {
    source += filler;
  }
  source += setup;
  return source;
}

void CheckSource(benchmark::State& state, const std::string& source) {
  brg::engine::CheckOptions options;
  options.oscMHz = 20;
  brg::engine::PartProfile classic = brg::engine::ClassicProfile();
  for (auto _ : state) {
    benchmark::DoNotOptimize(brg::engine::CheckSetup(source, options, *classic.ports.front()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.size()));
  brg::engine::SetupReport report =
      brg::engine::CheckSetup(source, options, *classic.ports.front());
  if (!report.setting || report.setting->n != 129 || report.wantedBaud != 9600.0) {
    state.SkipWithError("the setup at the end was not read");
  }
}

void BM_CheckOneMebibyteOfC(benchmark::State& state) {
  CheckSource(state, MebibyteOf("#define LED_ON() (PORTB |= (1 << 3)) /* no serial */\n"
                                "static void blink(int n) { while (n--) { LED_ON(); } }\n",
                                "#define _XTAL_FREQ 20000000UL\n#define BAUD 9600\n"
                                "void uart_init(void) {\n"
                                "  SPBRG = (unsigned char)(_XTAL_FREQ / (16UL * BAUD) - 1);\n"
                                "  TXSTA = 0x24; RCSTA = 0x90;\n}\n"));
}
BENCHMARK(BM_CheckOneMebibyteOfC)->Unit(benchmark::kMillisecond);

void BM_CheckOneMebibyteOfAsm(benchmark::State& state) {
  CheckSource(state, MebibyteOf("\tmovlw\tb'00001000'\t; no serial register here\n"
                                "\tmovwf\tPORTB\n\tdecfsz\tcount, f\n",
                                "\tbanksel\tSPBRG\n\tmovlw\tD'129'\t; 9600 baud\n"
                                "\tmovwf\tSPBRG\n\tmovlw\t0x24\n\tmovwf\tTXSTA\n"
                                "\tbanksel\tRCSTA\n\tmovlw\t0x90\n\tmovwf\tRCSTA\n"));
}
BENCHMARK(BM_CheckOneMebibyteOfAsm)->Unit(benchmark::kMillisecond);

// A newer port's set-up at the end of a mebibyte of C with run-time branches: the PIC18 UART,
// its fields, a rounding cast and a switch on the rate.
void BM_CheckOneMebibyteOfNewerC(benchmark::State& state) {
  std::string source =
      MebibyteOf("static void led(int n) { if (n > 3) { LATB = 1; } else { LATB = 2; } }\n",
                 "#define _XTAL_FREQ 64000000UL\n#define BAUD 115200\n"
                 "void uart_init(uint32_t baud) {\n"
                 "  switch (baud) { case 9600: U1CON0bits.BRGS = 0; U1BRG = 1666; break;\n"
                 "  default: U1CON0bits.BRGS = 1;\n"
                 "    U1BRG = (uint16_t)((_XTAL_FREQ / (4.0 * BAUD)) - 1 + 0.5); break; }\n"
                 "  U1CON0bits.TXEN = 1; U1CON1bits.ON = 1;\n}\n");
  brg::engine::CheckOptions options;
  brg::engine::PartProfile part = brg::engine::ReadPartProfile("18F47Q43");
  const brg::engine::SerialPort& port = brg::engine::PortSetUpIn(source, options, part);
  for (auto _ : state) {
    benchmark::DoNotOptimize(brg::engine::CheckSetup(source, options, port));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.size()));
  brg::engine::SetupReport report = brg::engine::CheckSetup(source, options, port);
  if (!report.setting || report.setting->n != 138) {
    state.SkipWithError("the setup at the end was not read");
  }
}
BENCHMARK(BM_CheckOneMebibyteOfNewerC)->Unit(benchmark::kMillisecond);

// A mebibyte of a project for a part the checker knows whole: its configuration words, its
// oscillator, its pins and their selections written all through, each write followed.
void BM_CheckOneMebibyteWithClockAndPins(benchmark::State& state) {
  std::string source = MebibyteOf(
      "static void pins(void) { TRISC = 0xBF; ANSELC = 0x3F; RC6PPS = 0x20; U1RXPPS = 0x17; "
      "LATB = 2; }\n",
      "#pragma config RSTOSC = HFINTOSC_1MHZ, FEXTOSC = OFF\n#define _XTAL_FREQ 64000000UL\n"
      "void uart_init(void) {\n  OSCCON1 = 0x60; OSCFRQ = 0x08;\n"
      "  U1CON0 = 0xB0; U1BRG = 138; U1CON1 = 0x80;\n}\n");
  brg::engine::PartProfile part = brg::engine::ReadPartProfile("18F47Q43");
  brg::engine::CheckOptions options;
  options.part = &part;
  const brg::engine::SerialPort& port = brg::engine::PortSetUpIn(source, options, part);
  for (auto _ : state) {
    benchmark::DoNotOptimize(brg::engine::CheckSetup(source, options, port));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.size()));
  brg::engine::SetupReport report = brg::engine::CheckSetup(source, options, port);
  if (!report.setting || report.setting->n != 138 || report.clockWorkedOut.empty()) {
    state.SkipWithError("the setup at the end was not read");
  }
}
BENCHMARK(BM_CheckOneMebibyteWithClockAndPins)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
