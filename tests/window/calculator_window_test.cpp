// Event rules and handler paths of the window that no sequence of user actions reaches, or that
// need a look at the window while a message box is open.
#include "window/calculator_window.h"
#include "window/user_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/fake_hosts.h"

namespace brg {

// Reaches into the window for states that user actions cannot produce.
class CalculatorWindowProbe {
 public:
  static WindowState& State(CalculatorWindow& window) { return window.state_; }
  static void SetText(CalculatorWindow& window, ControlId id, std::string text) {
    window.SetText(id, std::move(text));
  }
  static void Command1_Click(CalculatorWindow& window) {
    window.RunUserAction([&] { window.Command1_Click(); });
  }
  static void CopyClip_Click(CalculatorWindow& window) {
    window.RunUserAction([&] { window.CopyClip_Click(); });
  }
  static void EvaluateSpbrg(CalculatorWindow& window) {
    window.RunUserAction([&] { window.EvaluateSpbrg(); });
  }
};

namespace {

using testing_support::FakeHosts;

class CalculatorWindowTest : public testing::Test {
 protected:
  void Start(std::int16_t checkBoxAtCreation = 0) {
    window = std::make_unique<CalculatorWindow>(WindowHosts::Of(hosts), checkBoxAtCreation);
    window->SetHandlerObserver([this](std::string_view handler) { trace.emplace_back(handler); });
    window->Form_Load();
    window->ShowWindow();
  }

  void Type(std::string_view text) {
    for (char c : text) {
      Perform(*window, action::Type{static_cast<unsigned char>(c)});
    }
  }

  void Enter(std::string_view osc, std::string_view baud) {
    Type(osc);
    window->PressEnter();
    Type(baud);
    window->PressEnter();
  }

  const std::string& Caption(ControlId id) const { return window->control(id).text; }

  FakeHosts hosts;
  std::unique_ptr<CalculatorWindow> window;
  std::vector<std::string> trace;
};

TEST_F(CalculatorWindowTest, FormLoadOnACheckedBoxRunsNoClick) {
  Start(1);
  EXPECT_EQ(trace, (std::vector<std::string>{"Form_Load", "Fosc_GotFocus"}));
  EXPECT_EQ(window->control(ControlId::BRG1).value, 1);
}

TEST_F(CalculatorWindowTest, FormLoadOnAnUncheckedBoxRunsTheClickOnce) {
  Start(0);
  EXPECT_EQ(trace, (std::vector<std::string>{"Form_Load", "BRG1_Click", "Fosc_GotFocus"}));
  EXPECT_EQ(window->state().SpbrgOverflow, false);
  EXPECT_EQ(window->state().InputRejected, false);
}

TEST(CalculatorWindowCreation, NothingIsFocusedOrHiddenBeforeFormLoad) {
  FakeHosts hosts;
  CalculatorWindow window(WindowHosts::Of(hosts));
  EXPECT_FALSE(window.state().SpbrgOverflow);
  EXPECT_FALSE(window.state().InputRejected);
  EXPECT_FALSE(window.focus().has_value());
  EXPECT_TRUE(window.control(ControlId::Cloerr).visible);
}

TEST_F(CalculatorWindowTest, ResultsAreHiddenWhileTheInvalidSettingQuestionIsOpen) {
  Start();
  Enter("4", "115200");
  window->ClickControl(ControlId::BRG1);  // nothing on show yet: only the box changes
  bool checked = false;
  hosts.whileOpen = [&] {
    checked = true;
    EXPECT_FALSE(window->control(ControlId::lSPBRG).visible);
    EXPECT_FALSE(window->control(ControlId::CBaud).visible);
    EXPECT_FALSE(window->control(ControlId::ErrPercentage).visible);
    EXPECT_EQ(Caption(ControlId::ErrPercentage), "-45.747%");
    EXPECT_TRUE(window->messageBoxOpen());
  };
  window->ClickControl(ControlId::Command1);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(window->messageBoxOpen());
  EXPECT_TRUE(window->control(ControlId::lSPBRG).visible);
}

TEST_F(CalculatorWindowTest, ExportIsDisabledWhileTheOverflowQuestionIsOpen) {
  Start();
  Enter("20", "1200");
  hosts.whileOpen = [&] {
    EXPECT_FALSE(window->control(ControlId::CopyClip).enabled);
    EXPECT_EQ(window->state().SpbrgOverflow, true);
    EXPECT_EQ(window->state().SpbrgValue, 255);
    EXPECT_EQ(Caption(ControlId::lSPBRG), "255");
  };
  window->PressEnter();
  ASSERT_EQ(hosts.boxes.size(), 1u);
  EXPECT_TRUE(window->control(ControlId::CopyClip).enabled);
  EXPECT_EQ(window->state().SpbrgOverflow, false);
}

TEST_F(CalculatorWindowTest, UserActionsWaitWhileABoxIsOpen) {
  Start();
  Enter("20", "1200");
  hosts.whileOpen = [&] {
    window->ClickControl(ControlId::cInc);
    window->PressTab();
    Perform(*window, action::Type{U'9'});
    window->EditFocusedText("oops");
  };
  window->PressEnter();
  EXPECT_EQ(window->state().SpbrgValue, 255);
  EXPECT_EQ(window->focus(), ControlId::Command1);
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "1200");
}

TEST_F(CalculatorWindowTest, CalculateWithAPendingRejectionEmptiesTheBaudRateAndEndsSilently) {
  Start();
  Enter("4", "9600");
  window->PressEnter();
  ASSERT_EQ(Caption(ControlId::lSPBRG), "25");
  CalculatorWindowProbe::State(*window).InputRejected = true;
  trace.clear();
  CalculatorWindowProbe::Command1_Click(*window);
  EXPECT_EQ(window->state().InputRejected, false);
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "");
  EXPECT_EQ(window->focus(), ControlId::BaudRate);
  EXPECT_EQ(Caption(ControlId::lSPBRG), "25");
  EXPECT_EQ(window->state().SpbrgValue, 25);
  EXPECT_EQ(trace, (std::vector<std::string>{"Command1_Click", "BaudRate_GotFocus"}));
  EXPECT_TRUE(hosts.boxes.empty());
}

TEST_F(CalculatorWindowTest, OverflowingEntriesEndACalculationSilently) {
  Start();
  Enter("4", "9600");
  window->PressEnter();
  for (const char* text : {"1e999", "-1e999", "&H100000000"}) {
    CalculatorWindowProbe::SetText(*window, ControlId::BaudRate, text);
    CalculatorWindowProbe::Command1_Click(*window);
    EXPECT_EQ(Caption(ControlId::lSPBRG), "25") << text;
    EXPECT_EQ(window->state().SpbrgValue, 25) << text;
    EXPECT_FALSE(window->state().ManualSpbrg);
  }
  CalculatorWindowProbe::SetText(*window, ControlId::BaudRate, "9600");
  CalculatorWindowProbe::SetText(*window, ControlId::Fosc, "1e999");
  window->ClickControl(ControlId::cInc);
  EXPECT_EQ(window->state().SpbrgValue, 26);  // the step stays, the evaluation failed
  EXPECT_EQ(Caption(ControlId::lSPBRG), "25");
  EXPECT_TRUE(hosts.boxes.empty());
}

TEST_F(CalculatorWindowTest, ManualValueAboveTheRegisterIsClampedAndQuestioned) {
  Start();
  Enter("4", "9600");
  window->PressEnter();
  // A value far above the register, as a failed run may leave behind.
  CalculatorWindowProbe::State(*window).SpbrgValue = 134217725;
  CalculatorWindowProbe::SetText(*window, ControlId::Fosc, "644.245088");
  CalculatorWindowProbe::SetText(*window, ControlId::BaudRate, "300");
  hosts.answer = msgbox::kNo;
  window->ClickControl(ControlId::cDec);
  ASSERT_EQ(hosts.boxes.size(), 1u);
  EXPECT_EQ(hosts.boxes[0].title, "Current setting cause an SPBRG overflow.");
  EXPECT_EQ(window->state().SpbrgValue, 255);
  EXPECT_EQ(Caption(ControlId::lSPBRG), "");
  EXPECT_EQ(window->focus(), ControlId::Fosc);
  EXPECT_FALSE(window->control(ControlId::cDec).enabled);
  EXPECT_EQ(window->state().SpbrgOverflow, false);
}

TEST_F(CalculatorWindowTest, ExportWithAnEmptyBaudRateEndsTheCommentWithBauds) {
  Start();
  Enter("4", "9600");
  window->PressEnter();
  CalculatorWindowProbe::SetText(*window, ControlId::BaudRate, "");
  CalculatorWindowProbe::CopyClip_Click(*window);
  EXPECT_EQ(hosts.clipboard,
            "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 25 '  Bauds\r\n");
}

TEST_F(CalculatorWindowTest, FocusEntryAfterExportSeesTheClearedRejection) {
  Start();
  Enter("4", "9600");
  window->PressEnter();
  CalculatorWindowProbe::State(*window).InputRejected = true;
  CalculatorWindowProbe::CopyClip_Click(*window);
  // The export moved the focus first and cleared the flag after: Command1_GotFocus, which runs
  // once the handler has returned, finds the flag false and keeps the focus.
  EXPECT_EQ(window->focus(), ControlId::Command1);
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "9600");
  EXPECT_EQ(window->state().InputRejected, false);
}

TEST_F(CalculatorWindowTest, MouseReleaseWithoutPressOrElsewhereDoesNotClick) {
  Start();
  Enter("4", "9600");
  window->MouseUp(ControlId::Command1);
  EXPECT_EQ(Caption(ControlId::lSPBRG), "");
  window->MouseDown(ControlId::Command1);
  window->MouseUp(ControlId::BRG1);
  EXPECT_EQ(Caption(ControlId::lSPBRG), "");
  EXPECT_EQ(window->control(ControlId::BRG1).value, 1);
  window->MouseDown(ControlId::Command1);
  window->MouseUp(ControlId::Command1);
  EXPECT_EQ(Caption(ControlId::lSPBRG), "25");
}

TEST_F(CalculatorWindowTest, KeyPressAndNativeEditTogetherActLikeTyping) {
  Start();
  window->DeliverKeyPress('4');
  window->EditFocusedText("4");
  window->DeliverKeyPress(13);
  EXPECT_EQ(window->focus(), ControlId::BaudRate);
  EXPECT_EQ(window->control(ControlId::Fosc).text, "4");
  Perform(*window, action::Type{U'\u00e9'});
  Perform(*window, action::Type{U'9'});
  Perform(*window, action::Type{U'\b'});
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "\u00e9");
  Perform(*window, action::Type{U'\b'});
  Perform(*window, action::Type{U'\b'});
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "");
}

TEST_F(CalculatorWindowTest, TypedCharactersOfEveryLengthAreAppendedAndRemovedWhole) {
  Start();
  for (char32_t c : {U'4', U'\u00e9', U'\u20ac', U'\U0001F600'}) {
    Perform(*window, action::Type{c});
  }
  EXPECT_EQ(window->control(ControlId::Fosc).text, "4\u00e9\u20ac\U0001F600");
  Perform(*window, action::Type{U'\x7f'});  // control keys leave the text alone
  Perform(*window, action::Type{U'\x01'});
  EXPECT_EQ(window->control(ControlId::Fosc).text, "4\u00e9\u20ac\U0001F600");
  Perform(*window, action::Type{U'\b'});
  Perform(*window, action::Type{U'\b'});
  EXPECT_EQ(window->control(ControlId::Fosc).text, "4\u00e9");
}

TEST_F(CalculatorWindowTest, KeysMeantForTextBoxesDoNothingOnButtons) {
  Start();
  Enter("4", "9600");
  ASSERT_EQ(window->focus(), ControlId::Command1);
  window->DeliverKeyPress('5');
  window->EditFocusedText("oops");
  Perform(*window, action::Type{U'7'});
  EXPECT_EQ(Caption(ControlId::lSPBRG), "");
  EXPECT_EQ(window->control(ControlId::BaudRate).text, "9600");
  window->ClickControl(ControlId::BRG1);
  window->PressEnter();  // Enter on the check box does nothing
  EXPECT_EQ(window->control(ControlId::BRG1).value, 0);
  window->ClickControl(ControlId::Label1);  // labels take neither focus nor clicks
  EXPECT_EQ(window->focus(), ControlId::BRG1);
}

TEST(CalculatorWindowBeforeShowing, ActionsWithoutAFocusDoNothingHarmful) {
  FakeHosts hosts;
  CalculatorWindow window(WindowHosts::Of(hosts));
  window.Form_Load();
  Perform(window, action::Type{U'4'});
  window.DeliverKeyPress(13);
  window.EditFocusedText("4");
  EXPECT_FALSE(window.focus().has_value());
  window.PressShiftTab();  // from nowhere, Shift+Tab goes to the last control that takes it
  EXPECT_EQ(window.focus(), ControlId::BRG1);
}

TEST(CalculatorWindowClipboard, AFailureToSetTheTextIsReportedLikeAFailureToClear) {
  struct ClearOnly : FakeHosts {
    bool SetText(std::string_view) override { return false; }
  } hosts;
  CalculatorWindow window(WindowHosts::Of(hosts));
  window.Form_Load();
  window.ShowWindow();
  for (char32_t c : std::u32string(U"4\r9600\r\r")) {
    Perform(window, action::Type{c});
  }
  window.ClickControl(ControlId::CopyClip);
  ASSERT_EQ(hosts.boxes.size(), 1u);
  EXPECT_EQ(hosts.boxes[0].title, "Clipboard not available");
  EXPECT_EQ(hosts.boxes[0].style, msgbox::kWarningOk);
  EXPECT_EQ(window.focus(), ControlId::Cloerr);
}

TEST(WindowFailure, SaysPlainlyWhatFailed) {
  NumberOverflow overflow(false);
  EXPECT_EQ(overflow.Title(), "Unexpected failure");
  EXPECT_EQ(overflow.Explanation(), "The last action could not be completed: number out of range.");
  EXPECT_EQ(ClipboardFailure().Title(), "Clipboard not available");
}

TEST(Controls, AreFoundByName) {
  EXPECT_EQ(ControlByName("lSPBRG"), ControlId::lSPBRG);
  EXPECT_EQ(ControlByName("Cloerr"), ControlId::Cloerr);
  EXPECT_FALSE(ControlByName("Form1").has_value());
  EXPECT_EQ(ControlName(ControlId::BRG1), "BRG1");
}

// What the fuzzer prints is what the runner reads: every action comes back from its script line.
TEST(UserActions, ReadBackFromTheirScriptLines) {
  const UserAction actions[] = {action::Tab{},
                                action::ShiftTab{},
                                action::Click{ControlId::cInc},
                                action::MouseDown{ControlId::BRG1},
                                action::MouseUp{ControlId::Fosc},
                                action::Enter{},
                                action::Type{U'4'},
                                action::Type{U' '},
                                action::Type{U'\b'},
                                action::Type{U'\\'},
                                action::Type{U'\u00e9'},
                                action::Type{U'\t'},
                                action::KeyPress{52},
                                action::Edit{""},
                                action::Edit{" 4\\s\r\n "},
                                action::SwitchAway{},
                                action::SwitchBack{}};
  for (const UserAction& original : actions) {
    std::string line = ScriptLine(original);
    std::optional<std::vector<UserAction>> read = ParseScriptLine(line);
    ASSERT_TRUE(read.has_value()) << line;
    EXPECT_EQ(*read, std::vector<UserAction>{original}) << line;
  }
  EXPECT_FALSE(ParseScriptLine("expect focus = Fosc").has_value());
  EXPECT_THROW(ParseScriptLine("click Nowhere"), std::invalid_argument);
}

}  // namespace
}  // namespace brg
