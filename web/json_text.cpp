#include "web/json_text.h"

#include <cmath>

#include "core/float_chars.h"
#include "core/text.h"

namespace brg::web {

void JsonText::Separate() {
  if (!first_) {
    text_ += ',';
  }
  first_ = false;
}

JsonText& JsonText::BeginObject() {
  Separate();
  text_ += '{';
  first_ = true;
  return *this;
}

JsonText& JsonText::EndObject() {
  text_ += '}';
  first_ = false;
  return *this;
}

JsonText& JsonText::BeginArray(std::string_view key) {
  if (!key.empty()) {
    Key(key);
  }
  Separate();
  text_ += '[';
  first_ = true;
  return *this;
}

JsonText& JsonText::EndArray() {
  text_ += ']';
  first_ = false;
  return *this;
}

JsonText& JsonText::Key(std::string_view key) {
  String(key);
  text_ += ':';
  first_ = true;  // the value follows without a comma
  return *this;
}

JsonText& JsonText::String(std::string_view value) {
  Separate();
  text_ += JsonQuoted(value);
  return *this;
}

JsonText& JsonText::Number(double value) {
  if (!std::isfinite(value)) {
    return Null();
  }
  Separate();
  text_ += ShortestText(value);
  return *this;
}

JsonText& JsonText::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  return *this;
}

JsonText& JsonText::Null() {
  Separate();
  text_ += "null";
  return *this;
}

}  // namespace brg::web
