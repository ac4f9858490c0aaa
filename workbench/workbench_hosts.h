// What the workbench model needs from the world outside it: the system clipboard, a store for the
// values it keeps between runs, and the separators of the user's locale. The Qt binding provides
// them; tests provide fakes. Nothing here knows a toolkit.
#pragma once

#include <optional>
#include <string_view>

#include "core/display_formats.h"
#include "workbench/kept_values.h"

namespace brg::workbench {

class ClipboardHost {
 public:
  virtual ~ClipboardHost() = default;
  // False when the system clipboard could not be written.
  virtual bool Put(std::string_view text) = 0;
};

class KeptStore {
 public:
  virtual ~KeptStore() = default;
  // Nothing on the first run.
  virtual std::optional<KeptValues> Load() = 0;
  virtual void Save(const KeptValues& values) = 0;
};

class LocaleHost {
 public:
  virtual ~LocaleHost() = default;
  virtual Separators CurrentSeparators() const = 0;
};

struct WorkbenchHosts {
  ClipboardHost& clipboard;
  KeptStore& store;
  const LocaleHost& locale;
};

}  // namespace brg::workbench
