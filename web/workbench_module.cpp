// The workbench page's WebAssembly: the workbench model behind plain C functions, one for each
// kind of user action, each answering with the whole state and view as JSON (workbench_json.h).
// The browser gives the hosts: the clipboard, localStorage for the kept values, and the
// separators of the browser's locale, which the page hands over before it starts the model.
#include <emscripten/emscripten.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/float_chars.h"
#include "engine/parts/part_data.h"
#include "web/browser_clipboard.h"
#include "web/workbench_json.h"
#include "workbench/workbench.h"

namespace {

using namespace brg;
using namespace brg::workbench;

// clang-format off
EM_JS(char*, LoadKept, (), {
  var kept = null;
  try { kept = localStorage.getItem("spbrg-workbench"); } catch (e) {}
  if (kept === null) return 0;
  var size = lengthBytesUTF8(kept) + 1;
  var text = _malloc(size);
  stringToUTF8(kept, text, size);
  return text;
});
EM_JS(void, SaveKept, (const char* text), {
  try { localStorage.setItem("spbrg-workbench", UTF8ToString(text)); } catch (e) {}
});
// clang-format on

class BrowserClipboard : public ClipboardHost {
 public:
  bool Put(std::string_view text) override { return web::PutOnBrowserClipboard(text); }
};

// The kept values as lines: part, UART, oscillator, the ticked rates, the typed rates.
class BrowserStore : public KeptStore {
 public:
  std::optional<KeptValues> Load() override {
    char* text = LoadKept();
    if (text == nullptr) {
      return std::nullopt;
    }
    std::istringstream lines{std::string(text)};
    std::free(text);
    KeptValues kept;
    std::string uart;
    std::string ticked;
    std::getline(lines, kept.part);
    std::getline(lines, uart);
    std::getline(lines, kept.oscMHz);
    std::getline(lines, ticked);
    std::getline(lines, kept.extraRates);
    kept.uart = std::max(1, std::atoi(uart.c_str()));
    std::istringstream rates(ticked);
    for (std::string rate; rates >> rate;) {
      ReadDouble read = ReadDecimal(rate);
      if (read.used == rate.size() && !read.outOfRange) {
        kept.tickedRates.push_back(read.value);
      }
    }
    return kept;
  }
  void Save(const KeptValues& kept) override {
    std::string ticked;
    for (double rate : kept.tickedRates) {
      ticked += (ticked.empty() ? "" : " ") + ShortestText(rate);
    }
    std::string text = kept.part + "\n" + std::to_string(kept.uart) + "\n" + kept.oscMHz + "\n" +
                       ticked + "\n" + kept.extraRates;
    SaveKept(text.c_str());
  }
};

class BrowserLocale : public LocaleHost {
 public:
  Separators CurrentSeparators() const override { return separators; }
  Separators separators;
};

struct Page {
  BrowserClipboard clipboard;
  BrowserStore store;
  BrowserLocale locale;
  std::unique_ptr<Workbench> bench;
  std::string answer;  // the last JSON handed to the page, alive until the next call
};

Page& ThePage() {
  static Page page;
  return page;
}

const char* Answer() {
  Page& page = ThePage();
  page.answer = web::WorkbenchJson(*page.bench);
  return page.answer.c_str();
}

const char* Perform(const Action& action) {
  ThePage().bench->Perform(action);
  return Answer();
}

}  // namespace

extern "C" {

// The locale's separators, then what the page's address asks for (empty where it asks
// nothing; the rates with a blank between them). Answers the whole state and view.
EMSCRIPTEN_KEEPALIVE const char* wb_start(const char* group, const char* decimal, const char* part,
                                          const char* osc, const char* rates, int hasPart,
                                          int hasOsc) {
  Page& page = ThePage();
  page.locale.separators = Separators{group, decimal};
  page.bench = std::make_unique<Workbench>(WorkbenchHosts{page.clipboard, page.store, page.locale});
  StartRequest request;
  if (hasPart != 0) {
    request.part = part;
  }
  if (hasOsc != 0) {
    request.oscMHz = osc;
  }
  std::istringstream asked{std::string(rates)};
  for (std::string rate; asked >> rate;) {
    request.rates.push_back(rate);
  }
  page.bench->Start(request);
  return Answer();
}

EMSCRIPTEN_KEEPALIVE const char* wb_edit_part(const char* text) {
  return Perform(action::EditPart{text});
}
EMSCRIPTEN_KEEPALIVE const char* wb_choose_uart(int number) {
  return Perform(action::ChooseUart{number});
}
EMSCRIPTEN_KEEPALIVE const char* wb_edit_oscillator(const char* text) {
  return Perform(action::EditOscillator{text});
}
EMSCRIPTEN_KEEPALIVE const char* wb_edit_budget(const char* text) {
  return Perform(action::EditBudget{text});
}
EMSCRIPTEN_KEEPALIVE const char* wb_edit_tolerance(const char* text) {
  return Perform(action::EditTolerance{text});
}
EMSCRIPTEN_KEEPALIVE const char* wb_tick_rate(double baud, int ticked) {
  return Perform(action::TickRate{baud, ticked != 0});
}
EMSCRIPTEN_KEEPALIVE const char* wb_edit_extra_rates(const char* text) {
  return Perform(action::EditExtraRates{text});
}
// A column below 0 chooses the row's best.
EMSCRIPTEN_KEEPALIVE const char* wb_choose_cell(int row, int column) {
  action::ChooseCell choice{static_cast<std::size_t>(row), std::nullopt};
  if (column >= 0) {
    choice.column = static_cast<std::size_t>(column);
  }
  return Perform(choice);
}
EMSCRIPTEN_KEEPALIVE const char* wb_set_overrun_clear(int on) {
  return Perform(action::SetOverrunClear{on != 0});
}
EMSCRIPTEN_KEEPALIVE const char* wb_set_whole_program(int on) {
  return Perform(action::SetWholeProgram{on != 0});
}
EMSCRIPTEN_KEEPALIVE const char* wb_copy_form(int kind) {
  return Perform(action::CopyForm{static_cast<engine::CodeFormKind>(kind)});
}
EMSCRIPTEN_KEEPALIVE const char* wb_show_clocks(int shown) {
  return Perform(action::ShowClocks{shown != 0});
}
EMSCRIPTEN_KEEPALIVE const char* wb_choose_clock(int rank) {
  return Perform(action::ChooseClock{static_cast<std::size_t>(rank)});
}
EMSCRIPTEN_KEEPALIVE const char* wb_edit_setup(const char* text) {
  return Perform(action::EditSetup{text});
}
EMSCRIPTEN_KEEPALIVE const char* wb_choose_finding(int index) {
  return Perform(action::ChooseFinding{static_cast<std::size_t>(index)});
}
// Every part the engine knows, one a line, for the part box's completion: found at the first
// call rather than at the start, as the desktop finds them after its window is shown; the page
// fills its part list after its first answer.
EMSCRIPTEN_KEEPALIVE const char* wb_known_parts() {
  Page& page = ThePage();
  if (page.bench->state().knownParts.empty()) {
    page.bench->Perform(action::PartsFound{engine::KnownParts("")});
  }
  page.answer.clear();
  for (const std::string& part : page.bench->state().knownParts) {
    page.answer += part + "\n";
  }
  return page.answer.c_str();
}
}
