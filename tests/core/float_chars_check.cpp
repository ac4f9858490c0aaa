// Prints the texts of many doubles as the build writes and reads them: run natively and under
// Node from the WebAssembly build, the two outputs must be the same (the test float_chars.wasm).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "core/float_chars.h"

int main() {
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (i % 2 == 0 || !std::isfinite(value)) {
      value = std::ldexp(static_cast<double>(bits >> 11), -static_cast<int>(bits % 60));
    }
    std::string shortest = brg::ShortestText(value);
    brg::ReadDouble read = brg::ReadDecimal(shortest);
    std::printf("%s %s %s %d\n", shortest.c_str(), brg::ScientificText(value, 14).c_str(),
                std::fabs(value) < 1e30 ? brg::FixedText(value, 6).c_str() : "-",
                read.value == value && !read.outOfRange ? 1 : 0);
  }
  for (const char* text : {"3.6864", "1e400", "1e-400", "4.9e-324", "0x10", ".", "-0", "5."}) {
    brg::ReadDouble read = brg::ReadDecimal(text);
    std::printf("%s %s %zu %d\n", text, brg::ShortestText(read.value).c_str(), read.used,
                read.outOfRange ? 1 : 0);
  }
  return 0;
}
