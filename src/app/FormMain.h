#pragma once

#include <string>

#include "app/DetailsRelay.h"
#include "app/startup/AutostartEntry.h"
#include "app/startup/ColorModeSettings.h"
#include "engine/ColorizationControl.h"
#include "engine/ForegroundTracker.h"
#include "engine/TrackerDisplay.h"
#include "widgets/CheckBox.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Menu.h"
#include "widgets/Panel.h"
#include "widgets/Shape.h"
#include "widgets/Timer.h"
#include "widgets/TrayIcon.h"

namespace tintara {

// The main window: a borderless 600 x 202 window with a painted title bar, showing the
// icon of the window captured last, the colour taken from it, the colour mode and the
// autostart check box. It owns the 100 ms poll of the foreground window.
class TForm_Main : public Form, public TrackerDisplay {
 public:
  static constexpr std::u16string_view kExitQuestion = u"Are you sure to exit?";
  static constexpr TColor kTitleLabelGrey = 0x808080;
  static constexpr TColor kTitleLabelHover = 0x000000;

  // Builds the window and its controls, realises it and runs FormCreate (and with it
  // the start-up state). `colorization` is loaded already and outlives the window.
  TForm_Main(Application& application, ColorizationControl& colorization);
  ~TForm_Main() override;

  // --- members, in their declared order ---
  Panel Panel_Color;
  Panel Panel_Icon;
  Image Image_Icon;
  Timer Timer_AeroHandler;
  Panel Panel_TittleBar;
  Image Image_Tittlebar;
  Image Image_Tittle;
  Label Label_Tittle;
  Label Label_Close;
  Label Label_Minimize;
  tintara::TrayIcon TrayIcon;
  PopupMenu PopupMenu_Tray;
  MenuItem PopupItem_ShowInterface;
  MenuItem N1;
  MenuItem Exittheprogram1;
  tintara::ImageList ImageList;
  Label Label_Icon;
  Image Image_Icon_BG;
  Label Label_Color;
  Image Image_Color_BG;
  Shape Shape_Color;
  Shape Shape_Splitter;
  CheckBox CheckBox_Autostart;
  Shape Shape1;
  Label Label_About;
  tintara::ColorDialog ColorDialog;
  tintara::SaveDialog SaveDialog;
  HintDisplay& BalloonHint;  // the backend's
  Label Label_Color_Mode;
  // The folder of the executable, ending in "\"; set by the start-up.
  const std::u16string& Path_App() const { return settings_.AppPath(); }

  // --- handlers ---
  void FormCreate(Control& sender);
  void FormClose(Control& sender, CloseAction& action);
  void FormMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
  void Image_TittlebarMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                int y);
  void Label_CloseClick(Control& sender);
  void Label_MinimizeClick(Control& sender);
  void PopupItem_ShowInterfaceClick(MenuItem& sender);
  void Exittheprogram1Click(MenuItem& sender);
  // The Windows session ends: the mode is kept without asking or showing anything.
  void FormEndSession(Control& sender);
  void Label_CloseMouseEnter(Control& sender);
  void Label_CloseMouseLeave(Control& sender);
  void Label_MinimizeMouseEnter(Control& sender);
  void Label_MinimizeMouseLeave(Control& sender);
  void Label_AboutClick(Control& sender);
  void Label_AboutMouseEnter(Control& sender);
  void Label_AboutMouseLeave(Control& sender);
  void Shape_ColorMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
  void Timer_AeroHandlerTimer(Timer& sender);
  // Shows the details window, which nothing else opens.
  void Image_TittleClick(Control& sender);
  // Saves the captured icon as an icon file, with the poll stopped meanwhile.
  void Image_IconClick(Control& sender);
  // The start-up routine of FormCreate.
  void LoadStartupState();

  // --- what the tracker writes and reads ---
  std::u16string ColorModeCaption() const override { return Label_Color_Mode.Caption(); }
  void ShowIcon(IconHandle icon) override;
  void ShowSwatchColor(TColor color) override { Shape_Color.SetBrush(color); }
  void SetHandleCaption(const std::u16string& text) override { details_.SetHandleCaption(text); }
  void SetClassCaption(const std::u16string& text) override { details_.SetClassCaption(text); }
  ColorizationLog& Log() override { return details_; }

  // The details window, made after this one, takes what was written so far and
  // everything from now on; nullptr lets it go again.
  void AttachDetails(TForm_Details* details) { details_.Attach(details); }
  const DetailsRelay& Details() const { return details_; }
  // The About window "?" shows; it is made after the details window.
  void SetAboutWindow(Form* about) { aboutWindow_ = about; }
  ForegroundTracker& Tracker() { return tracker_; }

  // WS_POPUP alone, and a drop shadow from the window class.
  void CreateParams(tintara::CreateParams& params) const override;

 private:
  // FormMainLayout.cpp: every control's place, look, text and events.
  void BuildLayout();
  void BindEvents();

  ColorizationControl& colorization_;
  ColorModeSettings settings_;
  AutostartEntry autostart_;
  ForegroundTracker tracker_;
  DetailsRelay details_;
  Form* aboutWindow_ = nullptr;
};

}  // namespace tintara
