#include "core/define_export.h"

namespace brg {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string DefineBlock(bool brgh, std::string_view spbrgText, std::string_view baudText) {
  std::string block = "DEFINE HSER_RCSTA 90h";
  block += kLineEnd;
  block += "DEFINE HSER_TXSTA ";
  block += brgh ? "24h" : "20h";
  block += kLineEnd;
  block += "DEFINE HSER_SPBRG ";
  block += spbrgText;
  block += " ' ";
  block += baudText;
  block += " Bauds";
  block += kLineEnd;
  return block;
}

}  // namespace brg
