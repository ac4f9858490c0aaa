// The Qt face of the calculator window. It builds one widget per control from the layout table,
// mirrors the model's controls and focus onto them, and turns real keys and clicks into the
// model's user actions. It decides nothing itself: where the focus goes, what a key does and
// what a click does are the model's business.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "ui/qt_hosts.h"
#include "window/calculator_window.h"
#include "window/user_actions.h"
#include "window/window_layout.h"

class QIcon;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace brg::ui {

// The program's icon, also the window's: the 32 x 32 image, with the theme's other sizes.
QIcon ProgramIcon();

class CalculatorWidget : public QWidget {
 public:
  explicit CalculatorWidget(QWidget* parent = nullptr);
  ~CalculatorWidget() override;

  // Runs Form_Load, shows the window centred on the screen and gives the focus to Fosc.
  void Start();

  CalculatorWindow& model() { return *model_; }
  QWidget* widgetFor(ControlId id) const { return widgets_[IndexOf(id)]; }

  // Copies every control property and the focus from the model onto the widgets.
  void SyncFromModel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWidgets();
  QWidget* CreateWidget(const Control& control);
  void TieToCaption(const ControlPlacement& place);
  std::optional<ControlId> ControlOf(const QObject* object) const;
  bool HandleKey(ControlId id, QKeyEvent* event);
  bool HandleMouse(ControlId id, QEvent* event);
  void OnTextEdited(ControlId id, const QString& text);
  void SyncControl(const Control& control);
  void SyncFocus();
  void Deliver(const UserAction& action);
  template <typename Action>
  void Act(Qt::FocusReason reason, Action&& action);

  QtHosts hosts_;
  std::unique_ptr<CalculatorWindow> model_;
  std::array<QWidget*, kControlCount> widgets_{};
  double scale_ = 1.0;
  Qt::FocusReason focusReason_ = Qt::OtherFocusReason;  // what caused the action under way
};

}  // namespace brg::ui
