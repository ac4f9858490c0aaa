#include "core/define_export.h"

namespace brg {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string DefineBlock(bool brgh, std::string_view spbrgText, std::string_view baudText,
                        std::string_view prefix) {
  std::string define = "DEFINE " + std::string(prefix);
  std::string block = define + "_RCSTA 90h";
  block += kLineEnd;
  block += define + "_TXSTA ";
  block += brgh ? "24h" : "20h";
  block += kLineEnd;
  block += define + "_SPBRG ";
  block += spbrgText;
  block += " ' ";
  block += baudText;
  block += " Bauds";
  block += kLineEnd;
  return block;
}

std::string OverrunClearLine(std::string_view prefix) {
  return "DEFINE " + std::string(prefix) + "_CLROERR 1";
}

}  // namespace brg
