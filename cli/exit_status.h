// spbrg's exit statuses.
#pragma once

namespace brg::cli {

inline constexpr int kExitDone = 0;
// No setting, an error above the budget, a fault found, or code the window would question.
inline constexpr int kExitLimit = 1;
// Bad arguments, or an input or part that cannot be used.
inline constexpr int kExitUsage = 2;

}  // namespace brg::cli
