// Where each control of the calculator window stands, how it looks and how assistive technology
// names it: the declarative layout that the bindings (the Qt window, the page) build their
// controls from. Positions are in pixels at 96 dots per inch, CSS pixels on the page.
#pragma once

#include <array>
#include <string_view>

#include "window/controls.h"

namespace brg {

enum class TextAlignment { Left, Right, Centre };

struct ControlPlacement {
  ControlId id;
  int left;
  int top;
  int width;
  int height;
  bool resultFont;  // 18 point bold sans-serif; otherwise the window's default font
  TextAlignment alignment;
  bool singleLineBorder;  // labels only
  // The caption beside the control that names it for a screen reader (itself when none).
  ControlId namedBy;
  // What a screen reader says besides the name, when the caption alone says too little.
  std::string_view description;
};

inline constexpr std::string_view kWindowTitle = "Quorvel Kelvo SPBRG Calculator";
inline constexpr int kClientWidth = 412;
inline constexpr int kClientHeight = 177;
inline constexpr int kResultFontPoints = 18;

// Creation order is back to front: CopyClip and Cloerr share one rectangle.
inline constexpr std::array<ControlPlacement, kControlCount> kPlacements{{
    {ControlId::Label5, 152, 8, 137, 17, false, TextAlignment::Centre, false, ControlId::Label5,
     ""},
    {ControlId::CBaud, 154, 24, 133, 33, true, TextAlignment::Centre, true, ControlId::Label5, ""},
    {ControlId::Label2, 8, 24, 57, 17, false, TextAlignment::Right, false, ControlId::Label2, ""},
    {ControlId::Fosc, 80, 24, 49, 19, false, TextAlignment::Left, false, ControlId::Label2, ""},
    {ControlId::Label3, 16, 56, 49, 17, false, TextAlignment::Right, false, ControlId::Label3, ""},
    {ControlId::BaudRate, 80, 56, 49, 19, false, TextAlignment::Left, false, ControlId::Label3, ""},
    {ControlId::Label1, 152, 64, 105, 17, false, TextAlignment::Centre, false, ControlId::Label1,
     ""},
    {ControlId::lSPBRG, 154, 80, 101, 33, true, TextAlignment::Centre, true, ControlId::Label1, ""},
    {ControlId::cInc, 264, 72, 25, 25, false, TextAlignment::Centre, false, ControlId::cInc,
     "Increase SPBRG by one"},
    {ControlId::cDec, 264, 96, 25, 25, false, TextAlignment::Centre, false, ControlId::cDec,
     "Decrease SPBRG by one"},
    {ControlId::CopyClip, 312, 72, 81, 49, false, TextAlignment::Centre, false, ControlId::CopyClip,
     ""},
    {ControlId::Cloerr, 312, 72, 81, 49, false, TextAlignment::Centre, false, ControlId::Cloerr,
     ""},
    {ControlId::BRG1, 48, 96, 81, 17, false, TextAlignment::Left, false, ControlId::BRG1, ""},
    {ControlId::Label4, 152, 120, 137, 17, false, TextAlignment::Centre, false, ControlId::Label4,
     ""},
    {ControlId::Command1, 48, 136, 81, 33, false, TextAlignment::Centre, false, ControlId::Command1,
     ""},
    {ControlId::ErrPercentage, 154, 136, 133, 33, true, TextAlignment::Centre, true,
     ControlId::Label4, ""},
}};

}  // namespace brg
