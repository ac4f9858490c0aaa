#include "tools/scenario_runner.h"

#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/text.h"
#include "tools/scenario_host.h"
#include "window/calculator_window.h"
#include "window/user_actions.h"

namespace brg::scenario {
namespace {

// A failed check or a malformed line; carries the message without the FILE:LINE prefix.
struct CheckFailed {
  std::string message;
};

std::string Visible(const std::string& text) {
  std::string shown;
  for (char c : text) {
    switch (c) {
      case '\r':
        shown += "\\r";
        break;
      case '\n':
        shown += "\\n";
        break;
      case '\t':
        shown += "\\t";
        break;
      default:
        shown.push_back(c);
    }
  }
  return "\"" + shown + "\"";
}

std::string BoolText(bool value) {
  return value ? "true" : "false";
}

ControlId RequireControl(const std::string& name) {
  std::optional<ControlId> id = ControlByName(name);
  if (!id) {
    throw CheckFailed{"unknown control \"" + name + "\""};
  }
  return *id;
}

void ExpectEqual(const std::string& what, const std::string& expected, const std::string& actual) {
  if (expected != actual) {
    throw CheckFailed{"expected " + what + " = " + Visible(expected) + ", got " + Visible(actual)};
  }
}

class Runner {
 public:
  explicit Runner(std::ostream& output) : output_(output), window_(WindowHosts::Of(host_)) {
    window_.SetHandlerObserver([this](std::string_view handler) { trace_.emplace_back(handler); });
    window_.Form_Load();
    window_.ShowWindow();
  }

  int checks() const { return checks_; }

  // COMMAND, then after one space its argument to the end of the line, unescaped.
  void Execute(const std::string& line) {
    std::size_t space = line.find(' ');
    std::string command = line.substr(0, space);
    std::string escaped = space == std::string::npos ? "" : line.substr(space + 1);
    std::string argument = UnescapeScriptText(escaped);
    if (command == "locale") {
      SetLocale(escaped);
    } else if (command == "expect") {
      ++checks_;
      Expect(argument);
    } else if (!ExecuteActions(line) && !ExecuteSetting(command, argument)) {
      throw CheckFailed{"unknown command \"" + command + "\""};
    }
  }

  void Finish() {
    if (!host_.answers.empty()) {
      throw CheckFailed{std::to_string(host_.answers.size()) +
                        " queued answer(s) left: no message box took them"};
    }
  }

 private:
  bool ExecuteActions(const std::string& line) {
    std::optional<std::vector<UserAction>> actions;
    try {
      actions = ParseScriptLine(line);
    } catch (const std::exception& error) {
      throw CheckFailed{error.what()};
    }
    if (!actions) {
      return false;
    }
    for (const UserAction& action : *actions) {
      Perform(window_, action);
    }
    return true;
  }

  bool ExecuteSetting(const std::string& command, const std::string& argument) {
    if (command == "answer") {
      QueueAnswers(argument);
    } else if (command == "clipboard") {
      if (argument != "fail" && argument != "ok") {
        throw CheckFailed{"clipboard takes fail or ok"};
      }
      host_.clipboardFails = argument == "fail";
    } else if (command == "dump") {
      Dump();
    } else {
      return false;
    }
    return true;
  }

  // GROUP and DECIMAL, each unescaped on its own: "locale \s ,".
  void SetLocale(const std::string& escaped) {
    std::istringstream words(escaped);
    std::string group;
    std::string decimal;
    if (!(words >> group >> decimal)) {
      throw CheckFailed{"locale needs GROUP and DECIMAL"};
    }
    host_.separators = Separators{UnescapeScriptText(group), UnescapeScriptText(decimal)};
  }

  void QueueAnswers(const std::string& argument) {
    static const std::map<std::string, int> kAnswers{
        {"yes", msgbox::kYes}, {"no", msgbox::kNo}, {"ok", 0}};
    std::istringstream words(argument);
    std::string word;
    while (words >> word) {
      auto found = kAnswers.find(word);
      if (found == kAnswers.end()) {
        throw CheckFailed{"unknown answer \"" + word + "\""};
      }
      host_.answers.push_back(found->second);
    }
  }

  // "no box", "box STYLE TITLE | TEXT", or "SUBJECT = VALUE" with the value compared exactly
  // (an empty value is nothing after the "=").
  void Expect(const std::string& argument) {
    if (argument == "no box") {
      ExpectNoBox();
      return;
    }
    if (argument.rfind("box ", 0) == 0) {
      ExpectBox(argument.substr(4));
      return;
    }
    std::size_t equals = argument.find(" =");
    if (equals == std::string::npos) {
      throw CheckFailed{"expect needs \"NAME = VALUE\""};
    }
    std::string subject = argument.substr(0, equals);
    std::string value = argument.substr(equals + 2);
    if (!value.empty()) {
      if (value[0] != ' ') {
        throw CheckFailed{"expect needs \"NAME = VALUE\""};
      }
      value.erase(0, 1);
    }
    ExpectValue(subject, value);
  }

  void ExpectValue(const std::string& subject, const std::string& value) {
    if (subject == "trace") {
      ExpectEqual("trace", value, JoinTrace());
      trace_.clear();
    } else if (subject == "focus") {
      std::optional<ControlId> focus = window_.focus();
      ExpectEqual("focus", value, focus ? std::string(ControlName(*focus)) : "none");
    } else if (subject == "clipboard") {
      ExpectEqual("clipboard", value, host_.clipboard);
    } else if (subject.find('.') != std::string::npos) {
      ExpectProperty(subject, value);
    } else {
      ExpectEqual(subject, value, StateVariable(subject));
    }
  }

  void ExpectProperty(const std::string& subject, const std::string& value) {
    std::size_t dot = subject.find('.');
    const Control& control = window_.control(RequireControl(subject.substr(0, dot)));
    std::string property = subject.substr(dot + 1);
    std::string actual;
    if (property == "Text" || property == "Caption") {
      actual = control.text;
    } else if (property == "Enabled") {
      actual = BoolText(control.enabled);
    } else if (property == "Visible") {
      actual = BoolText(control.visible);
    } else if (property == "Value") {
      actual = std::to_string(control.value);
    } else {
      throw CheckFailed{"unknown property \"" + property + "\""};
    }
    ExpectEqual(subject, value, actual);
  }

  std::string StateVariable(const std::string& name) const {
    const WindowState& state = window_.state();
    if (name == "SpbrgValue") {
      return std::to_string(state.SpbrgValue);
    }
    if (name == "SpbrgOverflow") {
      return BoolText(state.SpbrgOverflow);
    }
    if (name == "InputRejected") {
      return BoolText(state.InputRejected);
    }
    if (name == "ManualSpbrg") {
      return BoolText(state.ManualSpbrg);
    }
    if (name == "DefineText") {
      return state.DefineText;
    }
    throw CheckFailed{"unknown state variable \"" + name + "\""};
  }

  void ExpectBox(const std::string& argument) {
    std::istringstream words(argument);
    int style = 0;
    if (!(words >> style)) {
      throw CheckFailed{"expect box needs STYLE TITLE | TEXT"};
    }
    std::string rest;
    std::getline(words, rest);
    std::size_t bar = rest.find(" | ");
    if (bar == std::string::npos) {
      throw CheckFailed{"expect box needs STYLE TITLE | TEXT"};
    }
    std::size_t start = !rest.empty() && rest[0] == ' ' ? 1 : 0;  // the space after STYLE
    std::string title = rest.substr(start, bar - start);
    std::string text = rest.substr(bar + 3);
    if (host_.boxesChecked >= host_.boxes.size()) {
      throw CheckFailed{"expected box " + Visible(title) + ", got no box"};
    }
    const ShownBox& box = host_.boxes[host_.boxesChecked++];
    ExpectEqual("box style", std::to_string(style), std::to_string(box.style));
    ExpectEqual("box title", title, box.title);
    ExpectEqual("box text", text, box.text);
  }

  void ExpectNoBox() {
    if (host_.boxesChecked < host_.boxes.size()) {
      throw CheckFailed{"expected no box, got box " +
                        Visible(host_.boxes[host_.boxesChecked].title)};
    }
  }

  std::string JoinTrace() const {
    std::string joined;
    for (const std::string& handler : trace_) {
      joined += joined.empty() ? handler : ", " + handler;
    }
    return joined;
  }

  void Dump() const {
    for (const Control& control : window_.controls()) {
      output_ << control.name << ": text=" << Visible(control.text)
              << " enabled=" << BoolText(control.enabled)
              << " visible=" << BoolText(control.visible);
      if (control.kind == ControlKind::CheckBox) {
        output_ << " value=" << control.value;
      }
      output_ << "\n";
    }
    std::optional<ControlId> focus = window_.focus();
    output_ << "focus: " << (focus ? ControlName(*focus) : "none") << "\n";
    for (const char* name :
         {"SpbrgValue", "SpbrgOverflow", "InputRejected", "ManualSpbrg", "DefineText"}) {
      output_ << name << ": " << Visible(StateVariable(name)) << "\n";
    }
    output_ << "clipboard: " << Visible(host_.clipboard) << "\n";
  }

  std::ostream& output_;
  ScriptHost host_;
  CalculatorWindow window_;
  std::vector<std::string> trace_;
  int checks_ = 0;
};

}  // namespace

ScriptResult RunScript(const std::string& name, std::istream& script, std::ostream& output) {
  ScriptResult result;
  int lineNumber = 0;
  try {
    Runner runner(output);
    std::string line;
    while (std::getline(script, line)) {
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
      }
      std::string trimmed(Trim(line));
      if (trimmed.empty() || trimmed[0] == '#') {
        continue;
      }
      runner.Execute(line.substr(line.find_first_not_of(" \t")));
    }
    runner.Finish();
    result.passed = true;
    result.checks = runner.checks();
  } catch (const CheckFailed& failed) {
    result.failure = name + ":" + std::to_string(lineNumber) + ": " + failed.message;
  } catch (const ScriptError& error) {
    result.failure = name + ":" + std::to_string(lineNumber) + ": " + error.what();
  }
  return result;
}

}  // namespace brg::scenario
