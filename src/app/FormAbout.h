#pragma once

#include "gradient/Gradient.h"
#include "widgets/Form.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Shape.h"
#include "widgets/Timer.h"

namespace tintara {

// The About window: a borderless band as wide as the primary screen, drawn at opacity
// 200 over whatever lies behind it, showing the program's name, version and author over
// a gradient whose light-blue and button-face bands roll from top to bottom. The main
// window shows it modally from its "?"; a click anywhere above the bottom strip closes
// it. It is made hidden at start-up and then only shown and hidden, and its animation
// runs all the time, shown or not.
class TForm_About : public Form {
 public:
  static constexpr TColor kLightBlue = 0xFFD9BF;  // 16767423
  static constexpr std::uint8_t kOpacity = 200;

  // Builds the window and its controls and realises it hidden (FormCreate runs).
  explicit TForm_About(Application& application);
  ~TForm_About() override;

  // --- members, in their creation order (bottom to top until FormCreate) ---
  TGradient Gradient_BG;
  Image Image_Over;
  Image Image_TittleBar;
  Image Image_TittleIcon;
  Label Label_Tittle;
  Label Label1;
  Label Label2;
  Label Label3;
  Label Label4;
  Label Label5;
  Label Label6;
  Label Label7;
  Label Label8;
  Label Label9;
  Shape Shape_Bottom;
  Timer Timer_Gradient;

  // --- handlers ---
  void FormCreate(Control& sender);
  void FormShow(Control& sender);
  void Image_OverClick(Control& sender);
  void Image_TittleBarClick(Control& sender);
  void Timer_GradientTimer(Timer& sender);

  // WS_POPUP, layered at kOpacity, owned by the main window.
  void CreateParams(tintara::CreateParams& params) const override;

 private:
  // FormAboutLayout.cpp: every control's place, look, text and events.
  void BuildLayout();
  void BindEvents();
};

}  // namespace tintara
