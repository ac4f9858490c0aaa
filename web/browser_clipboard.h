// The browser's clipboard for both pages' modules. The browser writes it later; false only where
// the page has no clipboard at all.
#pragma once

#include <string_view>

namespace brg::web {

bool PutOnBrowserClipboard(std::string_view text);

}  // namespace brg::web
