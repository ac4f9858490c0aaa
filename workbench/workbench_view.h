// Everything the workbench shows, worked out from its state: the part and its clock, the
// messages of the entry boxes, the table, the chosen setting with its code, the clock ranking
// and the findings of the pasted setup. Plain data, made by Workbench after each action.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/answers/wanted_rate.h"
#include "workbench/chosen_setting.h"
#include "workbench/clock_ranking.h"
#include "workbench/entry_reading.h"
#include "workbench/part_choice.h"
#include "workbench/rate_table.h"
#include "workbench/setup_findings.h"

namespace brg::workbench {

struct WorkbenchView {
  PartChoice part;
  NumberEntry oscillator;
  ClockOfPart clock;
  NumberEntry budget;
  NumberEntry tolerance;
  std::vector<engine::WantedRate> rates;
  std::string ratesMessage;

  RateTable table;
  std::string tableMessage;  // why the table is empty, or what its modes leave out
  SettingView setting;
  ClockRanking clocks;
  CheckView check;
  std::optional<int> shownLine;  // the line of the finding chosen, from 1
};

}  // namespace brg::workbench
