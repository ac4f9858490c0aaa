#include "engine/answers/part_clocks.h"

namespace brg::engine {

std::vector<Clock> ClocksToTry(const PartProfile& part) {
  if (part.family == nullptr) {
    return ShippedClocks();
  }
  return ClocksWithin(ClocksOfPart(part.family->clock), 0, part.family->clock.maxOscMHz);
}

}  // namespace brg::engine
