// The Qt face of the workbench: one resizable window with the part and clock, the rates, the
// table, and the tabs Setting, Find a clock and Check my code. It mirrors the model's state and
// view onto its widgets after every action and turns edits, ticks, clicks and keys into the
// model's actions. It decides nothing itself: every number and every text comes from the model.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/forms/offered_forms.h"
#include "workbench/workbench.h"
#include "workbench_ui/qt_workbench_hosts.h"

class QCheckBox;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStringListModel;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;

namespace brg::workbench_ui {

class CodePage;
class PartFinder;

// The program's icon, also the window's.
QIcon WorkbenchIcon();

class WorkbenchWindow : public QWidget {
 public:
  explicit WorkbenchWindow(std::string headerDir = "", QWidget* parent = nullptr);
  ~WorkbenchWindow() override;

  // The kept values and the request in the model, the widgets filled in, the window shown; the
  // parts for completion are looked for once it is painted.
  void Start(const workbench::StartRequest& request = {});

  workbench::Workbench& model() { return *model_; }

  // Copies the model's state and view onto the widgets.
  void Mirror();

 protected:
  bool event(QEvent* event) override;

 private:
  QWidget* BuildPartAndClock();
  QWidget* BuildRates();
  QWidget* BuildTable();
  QWidget* BuildTabs();
  QWidget* BuildSettingPage();
  QWidget* BuildClockPage();
  QWidget* BuildCheckPage();
  QLabel* Message(const char* name);
  void Deliver(const workbench::Action& action);

  void MirrorEntries();
  void MirrorTable();
  void MirrorSetting();
  void MirrorClocks();
  void MirrorCheck();

  std::string headerDir_;
  QtWorkbenchHosts hosts_;
  std::unique_ptr<workbench::Workbench> model_;
  PartFinder* partFinder_;
  bool mirroring_ = false;  // widgets changed by Mirror are no user's input
  bool partsLookedFor_ = false;
  std::optional<int> lineShown_;

  QLineEdit* part_ = nullptr;
  QStringListModel* partNames_ = nullptr;
  QSpinBox* uart_ = nullptr;
  QLineEdit* osc_ = nullptr;
  QLabel* uartClock_ = nullptr;
  QLineEdit* budget_ = nullptr;
  QLineEdit* tolerance_ = nullptr;
  QLabel* partMessage_ = nullptr;
  QLabel* clockMessage_ = nullptr;
  std::vector<QCheckBox*> rateBoxes_;
  QLineEdit* extraRates_ = nullptr;
  QLabel* ratesMessage_ = nullptr;
  QLabel* tableMessage_ = nullptr;
  QTableWidget* table_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLabel* heading_ = nullptr;
  QLabel* registers_ = nullptr;
  QLabel* realRate_ = nullptr;
  QLabel* error_ = nullptr;
  QLabel* bitTime_ = nullptr;
  QLabel* verdict_ = nullptr;
  QTabWidget* forms_ = nullptr;
  std::vector<std::pair<engine::CodeFormKind, CodePage*>> pages_;
  QLabel* copyStatus_ = nullptr;
  QLabel* clockHeading_ = nullptr;
  QTableWidget* clocks_ = nullptr;
  QPlainTextEdit* setup_ = nullptr;
  QLabel* checkSummary_ = nullptr;
  QListWidget* findings_ = nullptr;
};

}  // namespace brg::workbench_ui
