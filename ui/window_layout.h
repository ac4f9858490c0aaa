// Where each control of the calculator window stands, and how it looks: the declarative layout
// that the binding builds its widgets from. Positions are in pixels at 96 dots per inch.
#pragma once

#include <array>
#include <string_view>

#include "window/controls.h"

namespace brg::ui {

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
};

inline constexpr std::string_view kWindowTitle = "Quorvel Kelvo SPBRG Calculator";
inline constexpr int kClientWidth = 412;
inline constexpr int kClientHeight = 177;
inline constexpr int kResultFontPoints = 18;

// Creation order is back to front: CopyClip and Cloerr share one rectangle.
inline constexpr std::array<ControlPlacement, kControlCount> kPlacements{{
    {ControlId::Label5, 152, 8, 137, 17, false, TextAlignment::Centre, false},
    {ControlId::CBaud, 154, 24, 133, 33, true, TextAlignment::Centre, true},
    {ControlId::Label2, 8, 24, 57, 17, false, TextAlignment::Right, false},
    {ControlId::Fosc, 80, 24, 49, 19, false, TextAlignment::Left, false},
    {ControlId::Label3, 16, 56, 49, 17, false, TextAlignment::Right, false},
    {ControlId::BaudRate, 80, 56, 49, 19, false, TextAlignment::Left, false},
    {ControlId::Label1, 152, 64, 105, 17, false, TextAlignment::Centre, false},
    {ControlId::lSPBRG, 154, 80, 101, 33, true, TextAlignment::Centre, true},
    {ControlId::cInc, 264, 72, 25, 25, false, TextAlignment::Centre, false},
    {ControlId::cDec, 264, 96, 25, 25, false, TextAlignment::Centre, false},
    {ControlId::CopyClip, 312, 72, 81, 49, false, TextAlignment::Centre, false},
    {ControlId::Cloerr, 312, 72, 81, 49, false, TextAlignment::Centre, false},
    {ControlId::BRG1, 48, 96, 81, 17, false, TextAlignment::Left, false},
    {ControlId::Label4, 152, 120, 137, 17, false, TextAlignment::Centre, false},
    {ControlId::Command1, 48, 136, 81, 33, false, TextAlignment::Centre, false},
    {ControlId::ErrPercentage, 154, 136, 133, 33, true, TextAlignment::Centre, true},
}};

// Each caption and the control it names.
struct CaptionOf {
  ControlId caption;
  ControlId control;
};

inline constexpr std::array<CaptionOf, 5> kCaptions{{
    {ControlId::Label2, ControlId::Fosc},
    {ControlId::Label3, ControlId::BaudRate},
    {ControlId::Label5, ControlId::CBaud},
    {ControlId::Label1, ControlId::lSPBRG},
    {ControlId::Label4, ControlId::ErrPercentage},
}};

}  // namespace brg::ui
