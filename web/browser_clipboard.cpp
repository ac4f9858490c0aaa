#include "web/browser_clipboard.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// clang-format off
EM_JS(int, PutOnClipboard, (const char* text), {
  if (!navigator.clipboard) return 0;
  navigator.clipboard.writeText(UTF8ToString(text)).catch(function() {});
  return 1;
});
// clang-format on

}  // namespace

namespace brg::web {

bool PutOnBrowserClipboard(std::string_view text) {
  return PutOnClipboard(std::string(text).c_str()) != 0;
}

}  // namespace brg::web
