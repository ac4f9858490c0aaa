// A push button whose caption wraps onto several lines inside it, as the two export captions
// need. The caption is the button's own text, so assistive technology reads it once, as the
// button's name.
#pragma once

#include <QPushButton>

namespace brg::ui {

class WrappedCaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace brg::ui
