// spbrg gives the same three texts and the same verdict as a Calculate in the window.
#include "engine/answers/window_calculation.h"

#include <gtest/gtest.h>

#include <string>

#include "core/display_formats.h"
#include "tests/window/fake_hosts.h"
#include "window/calculator_window.h"
#include "window/user_actions.h"

namespace brg::engine {
namespace {

struct Row {
  std::string name;
  std::string osc;
  std::string baud;
  bool brgh;
  std::string spbrg;
  std::string rate;
  std::string error;
  Verdict verdict;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

struct WindowResult {
  std::string spbrg, rate, error, question;
};

WindowResult CalculateInWindow(const Row& row) {
  testing_support::FakeHosts hosts;
  CalculatorWindow window(WindowHosts::Of(hosts));
  window.Form_Load();
  window.ShowWindow();
  for (char c : row.osc) {
    Perform(window, action::Type{static_cast<unsigned char>(c)});
  }
  window.PressEnter();
  for (char c : row.baud) {
    Perform(window, action::Type{static_cast<unsigned char>(c)});
  }
  window.PressEnter();
  if (!row.brgh) {
    window.ClickControl(ControlId::BRG1);
  }
  window.ClickControl(ControlId::Command1);
  return {window.control(ControlId::lSPBRG).text, window.control(ControlId::CBaud).text,
          window.control(ControlId::ErrPercentage).text,
          hosts.boxes.empty() ? "" : hosts.boxes.back().title};
}

class SameAsWindowTest : public testing::TestWithParam<Row> {};

TEST_P(SameAsWindowTest, TextsAndVerdictMatchTheWindow) {
  const Row& row = GetParam();
  WindowResult shown = CalculateInWindow(row);
  EXPECT_EQ(shown.spbrg, row.spbrg);
  EXPECT_EQ(shown.rate, row.rate);
  EXPECT_EQ(shown.error, row.error);

  Setting setting = CalculateSetting(std::stod(row.osc), std::stod(row.baud), row.brgh);
  Separators separators;
  EXPECT_EQ(FormatSpbrg(setting.shown.spbrg), shown.spbrg);
  EXPECT_EQ(FormatBaudRate(setting.shown.actualBaud, separators), shown.rate);
  EXPECT_EQ(FormatErrorPercent(setting.shown.errorRatio, separators), shown.error);
  EXPECT_EQ(setting.verdict, row.verdict);
  std::string expectedQuestion = row.verdict == Verdict::InvalidSetting ? "Invalid setting"
                                 : row.verdict == Verdict::ClampOverflow
                                     ? "Current setting cause an SPBRG overflow."
                                     : "";
  EXPECT_EQ(shown.question, expectedQuestion);
}

INSTANTIATE_TEST_SUITE_P(ResultsTable, SameAsWindowTest,
                         testing::Values(Row{"Osc4M_9600_High", "4", "9600", true, "25", "9,615",
                                             "0.16%", Verdict::Fine},
                                         Row{"Osc4M_9600_Low", "4", "9600", false, "6", "8,929",
                                             "-6.994%", Verdict::Fine},
                                         Row{"Osc4M_115200_Low", "4", "115200", false, "0",
                                             "62,500", "-45.747%", Verdict::InvalidSetting},
                                         Row{"Osc3_6864M_64000_High", "3.6864", "64000", true, "3",
                                             "57,600", "-10.0%", Verdict::Fine},
                                         Row{"Osc20M_1200_High", "20", "1200", true, "255", "4,883",
                                             "306.901%", Verdict::ClampOverflow},
                                         Row{"Osc20M_1200_Low", "20", "1200", false, "255", "1,221",
                                             "1.725%", Verdict::Clamped},
                                         Row{"Osc4_5056M_1000_High", "4.5056", "1000", true, "255",
                                             "1,100", "10.0%", Verdict::Clamped},
                                         Row{"Osc7M_125000_High", "7", "125000", true, "3",
                                             "109,375", "-12.5%", Verdict::InvalidSetting},
                                         Row{"Osc48M_300_Low", "48", "300", false, "255", "2,930",
                                             "876.563%", Verdict::ClampOverflow}),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CalculateSetting, FaultWhenNoValueCanBeCalculated) {
  EXPECT_EQ(CalculateSetting(1, 250000, true).verdict, Verdict::Fault);
  EXPECT_EQ(CalculateSetting(4, 0, true).verdict, Verdict::Fault);
}

TEST(BetterSetting, PrefersAnExistingSettingThenTheSmallerErrorThenBrghSet) {
  Setting fault{true, Verdict::Fault, {}};
  Setting small{false, Verdict::Fine, {6, 0, -0.01}};
  Setting large{true, Verdict::Fine, {25, 0, 0.02}};
  Setting tie{true, Verdict::Fine, {25, 0, 0.01}};
  EXPECT_EQ(&BetterSetting(fault, small), &small);
  EXPECT_EQ(&BetterSetting(small, fault), &small);
  EXPECT_EQ(&BetterSetting(large, small), &small);
  EXPECT_EQ(&BetterSetting(tie, small), &tie);
}

}  // namespace
}  // namespace brg::engine
