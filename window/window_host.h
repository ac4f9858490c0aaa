// What the calculator window needs from the world outside it: modal message boxes, the system
// clipboard and the separators of the user's locale. The toolkit binding provides them; tests
// provide fakes. Nothing here knows a toolkit.
#pragma once

#include <string>
#include <string_view>

#include "core/display_formats.h"

namespace brg {

// Message box styles and answers as the handlers use them.
namespace msgbox {
inline constexpr int kWarningOk = 48;         // exclamation icon, OK
inline constexpr int kInformationYesNo = 68;  // information icon, Yes and No
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msgbox

class MessageBoxHost {
 public:
  virtual ~MessageBoxHost() = default;
  // Shows a modal box and returns the button that closed it (kYes or kNo for a Yes/No box).
  // A carriage return in the text starts a new line.
  virtual int ShowMessage(std::string_view text, int style, std::string_view title) = 0;
};

class ClipboardHost {
 public:
  virtual ~ClipboardHost() = default;
  // Each returns false when the system clipboard could not be written.
  virtual bool Clear() = 0;
  virtual bool SetText(std::string_view text) = 0;
};

class LocaleHost {
 public:
  virtual ~LocaleHost() = default;
  virtual Separators CurrentSeparators() const = 0;
};

struct WindowHosts {
  MessageBoxHost& messageBox;
  ClipboardHost& clipboard;
  const LocaleHost& locale;

  // One object that is all three hosts.
  template <typename AllHosts>
  static WindowHosts Of(AllHosts& hosts) {
    return WindowHosts{hosts, hosts, hosts};
  }
};

}  // namespace brg
