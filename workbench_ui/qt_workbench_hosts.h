// The workbench model's outside world on Qt: the system clipboard, the values kept between runs
// in QSettings (under $XDG_CONFIG_HOME, ~/.config without it), and the locale's separators.
#pragma once

#include "workbench/workbench_hosts.h"

namespace brg::workbench_ui {

class QtWorkbenchHosts : public workbench::ClipboardHost,
                         public workbench::KeptStore,
                         public workbench::LocaleHost {
 public:
  bool Put(std::string_view text) override;
  std::optional<workbench::KeptValues> Load() override;
  void Save(const workbench::KeptValues& values) override;
  Separators CurrentSeparators() const override;

  workbench::WorkbenchHosts Hosts() { return workbench::WorkbenchHosts{*this, *this, *this}; }
};

}  // namespace brg::workbench_ui
