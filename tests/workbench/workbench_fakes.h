// The workbench's hosts for tests: a clipboard that may refuse, a store of kept values in memory
// and a locale's separators; and a workbench opened on a part, a clock and rates.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "workbench/workbench.h"

namespace brg::workbench::test {

inline const Separators kC{",", "."};
inline const Separators kGerman{".", ","};
inline const Separators kFrench{"\u202F", ","};  // a narrow no-break space groups thousands

class FakeHosts : public ClipboardHost, public KeptStore, public LocaleHost {
 public:
  explicit FakeHosts(Separators separators = kC) : separators_(std::move(separators)) {}

  bool Put(std::string_view text) override {
    if (!clipboardWorks) {
      return false;
    }
    clipboard = std::string(text);
    return true;
  }
  std::optional<KeptValues> Load() override { return kept; }
  void Save(const KeptValues& values) override {
    kept = values;
    ++saves;
  }
  Separators CurrentSeparators() const override { return separators_; }

  WorkbenchHosts Hosts() { return WorkbenchHosts{*this, *this, *this}; }

  bool clipboardWorks = true;
  std::string clipboard;
  std::optional<KeptValues> kept;
  int saves = 0;

 private:
  Separators separators_;
};

// A started workbench and its hosts.
struct Bench {
  explicit Bench(Separators separators = kC) : hosts(std::move(separators)) {}
  FakeHosts hosts;
  std::unique_ptr<Workbench> workbench;

  Workbench& Open(const StartRequest& request) {
    workbench = std::make_unique<Workbench>(hosts.Hosts());
    workbench->Start(request);
    return *workbench;
  }
};

// The part, the clock and the rates as a command line gives them.
inline StartRequest Question(std::string part, std::string osc, std::vector<std::string> rates) {
  StartRequest request;
  request.part = std::move(part);
  request.oscMHz = std::move(osc);
  request.rates = std::move(rates);
  return request;
}

// The cell of a rate in a mode, or nullptr.
inline const TableCell* CellAt(const WorkbenchView& view, double baud, BrgMode mode) {
  for (const TableRow& row : view.table.rows) {
    if (row.answer.wanted.baud == baud) {
      for (const TableCell& cell : row.cells) {
        if (cell.mode == mode) {
          return &cell;
        }
      }
    }
  }
  return nullptr;
}

inline const CodeFormView* FormOf(const WorkbenchView& view, engine::CodeFormKind kind) {
  for (const CodeFormView& form : view.setting.forms) {
    if (form.kind == kind) {
      return &form;
    }
  }
  return nullptr;
}

}  // namespace brg::workbench::test
