// A JSON text written field by field, for the pages: what the models show, as the pages read it.
// Strings are UTF-8 and escaped as JSON asks; numbers are written as the engine writes them.
#pragma once

#include <string>
#include <string_view>

namespace brg::web {

class JsonText {
 public:
  JsonText& BeginObject();
  JsonText& EndObject();
  JsonText& BeginArray(std::string_view key = {});
  JsonText& EndArray();
  JsonText& Key(std::string_view key);  // the next value's name, inside an object
  JsonText& String(std::string_view value);
  JsonText& Number(double value);
  JsonText& Bool(bool value);
  JsonText& Null();
  const std::string& text() const { return text_; }

 private:
  void Separate();
  std::string text_;
  bool first_ = true;  // no value yet in the object or array being written
};

}  // namespace brg::web
