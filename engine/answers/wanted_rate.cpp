#include "engine/answers/wanted_rate.h"

#include <algorithm>

namespace brg::engine {

std::vector<WantedRate> StandardRatesWith(const std::vector<WantedRate>& extras) {
  std::vector<WantedRate> rates;
  for (double rate : kStandardRates) {
    rates.push_back(WantedRate{std::to_string(static_cast<long>(rate)), rate});
  }
  for (const WantedRate& extra : extras) {
    auto place =
        std::lower_bound(rates.begin(), rates.end(), extra.baud,
                         [](const WantedRate& rate, double baud) { return rate.baud < baud; });
    if (place == rates.end() || place->baud != extra.baud) {
      rates.insert(place, extra);
    }
  }
  return rates;
}

}  // namespace brg::engine
