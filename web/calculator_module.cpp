// The calculator page's WebAssembly: the calculator window model behind plain C functions, one
// for each kind of user action, each answering with the window's controls and focus as JSON.
// A message box is the page's modal dialog: the model waits for its answer (Asyncify), so the
// page calls these functions asynchronously and delivers the next action only after the last.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "web/browser_clipboard.h"
#include "web/json_text.h"
#include "window/calculator_window.h"
#include "window/user_actions.h"
#include "window/window_layout.h"

namespace {

using namespace brg;

std::string WindowJson(const CalculatorWindow& window);

// clang-format off
// Shows the window as the model has it, then the box; answers the button that closed it.
EM_ASYNC_JS(int, ShowMessageBox, (const char* window, const char* text, int style,
                                  const char* title), {
  return await Module.showMessageBox(UTF8ToString(window), UTF8ToString(text), style,
                                     UTF8ToString(title));
});
// clang-format on

class BrowserHosts : public MessageBoxHost, public ClipboardHost, public LocaleHost {
 public:
  int ShowMessage(std::string_view text, int style, std::string_view title) override {
    return ShowMessageBox(WindowJson(*window).c_str(), std::string(text).c_str(), style,
                          std::string(title).c_str());
  }
  bool Clear() override { return true; }  // the next SetText replaces what is there
  bool SetText(std::string_view text) override { return web::PutOnBrowserClipboard(text); }
  Separators CurrentSeparators() const override { return separators; }

  const CalculatorWindow* window = nullptr;
  Separators separators;
};

struct Page {
  BrowserHosts hosts;
  std::unique_ptr<CalculatorWindow> window;
  std::string answer;
};

Page& ThePage() {
  static Page page;
  return page;
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return "textbox";
    case ControlKind::Label:
      return "label";
    case ControlKind::CommandButton:
      return "button";
    case ControlKind::CheckBox:
      return "checkbox";
  }
  return "";
}

std::string WindowJson(const CalculatorWindow& window) {
  web::JsonText json;
  json.BeginObject().BeginArray("controls");
  for (const Control& control : window.controls()) {
    json.BeginObject().Key("name").String(control.name).Key("text").String(control.text);
    json.Key("enabled").Bool(control.enabled).Key("visible").Bool(control.visible);
    json.Key("value").Number(control.value).EndObject();
  }
  json.EndArray().Key("focus");
  if (std::optional<ControlId> focus = window.focus()) {
    json.String(ControlName(*focus));
  } else {
    json.Null();
  }
  json.EndObject();
  return json.text();
}

const char* AlignmentName(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Left:
      return "left";
    case TextAlignment::Right:
      return "right";
    case TextAlignment::Centre:
      return "center";
  }
  return "";
}

const char* Answer() {
  Page& page = ThePage();
  page.answer = WindowJson(*page.window);
  return page.answer.c_str();
}

const char* Perform(const UserAction& action) {
  brg::Perform(*ThePage().window, action);
  return Answer();
}

std::optional<ControlId> Named(const char* name) {
  return ControlByName(name);
}

}  // namespace

extern "C" {

// Where each control stands and how a screen reader names it, with the window's title and size.
EMSCRIPTEN_KEEPALIVE const char* calc_layout() {
  web::JsonText json;
  json.BeginObject().Key("title").String(kWindowTitle);
  json.Key("width").Number(kClientWidth).Key("height").Number(kClientHeight);
  json.Key("resultFontPoints").Number(kResultFontPoints).BeginArray("controls");
  for (const ControlPlacement& place : kPlacements) {
    const Control& control = ThePage().window->control(place.id);
    json.BeginObject().Key("name").String(ControlName(place.id));
    json.Key("kind").String(KindName(control.kind));
    json.Key("left").Number(place.left).Key("top").Number(place.top);
    json.Key("width").Number(place.width).Key("height").Number(place.height);
    json.Key("resultFont").Bool(place.resultFont);
    json.Key("alignment").String(AlignmentName(place.alignment));
    json.Key("border").Bool(place.singleLineBorder);
    json.Key("namedBy").String(ControlName(place.namedBy));
    json.Key("description").String(place.description).EndObject();
  }
  json.EndArray().EndObject();
  ThePage().answer = json.text();
  return ThePage().answer.c_str();
}

// The locale's separators; then the window is made, loaded and shown.
EMSCRIPTEN_KEEPALIVE const char* calc_start(const char* group, const char* decimal) {
  Page& page = ThePage();
  page.hosts.separators = Separators{group, decimal};
  page.window = std::make_unique<CalculatorWindow>(WindowHosts::Of(page.hosts));
  page.hosts.window = page.window.get();
  page.window->Form_Load();
  page.window->ShowWindow();
  return Answer();
}

EMSCRIPTEN_KEEPALIVE const char* calc_state() {
  return Answer();
}
EMSCRIPTEN_KEEPALIVE const char* calc_tab(int backward) {
  return backward != 0 ? Perform(action::ShiftTab{}) : Perform(action::Tab{});
}
EMSCRIPTEN_KEEPALIVE const char* calc_enter() {
  return Perform(action::Enter{});
}
// A space or a character typed on a control that is no text box: the space bar.
EMSCRIPTEN_KEEPALIVE const char* calc_space() {
  return Perform(action::Type{U' '});
}
EMSCRIPTEN_KEEPALIVE const char* calc_key_press(int code) {
  return Perform(action::KeyPress{static_cast<std::uint16_t>(code)});
}
EMSCRIPTEN_KEEPALIVE const char* calc_edit(const char* text) {
  return Perform(action::Edit{text});
}
EMSCRIPTEN_KEEPALIVE const char* calc_mouse_down(const char* control) {
  std::optional<ControlId> id = Named(control);
  return id ? Perform(action::MouseDown{*id}) : Answer();
}
EMSCRIPTEN_KEEPALIVE const char* calc_mouse_up(const char* control) {
  std::optional<ControlId> id = Named(control);
  return id ? Perform(action::MouseUp{*id}) : Answer();
}
EMSCRIPTEN_KEEPALIVE const char* calc_switch(int away) {
  return away != 0 ? Perform(action::SwitchAway{}) : Perform(action::SwitchBack{});
}
}
