#include "app/FormMain.h"

#include <exception>

#include "app/FormDetails.h"
#include "app/FormMainWindowShape.h"
#include "app/IconExport.h"
#include "app/startup/LaunchSwitch.h"
#include "engine/IconDrawSize.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowStyles.h"

namespace tintara {

TForm_Main::TForm_Main(Application& application, ColorizationControl& colorization)
    : Form(application),
      Timer_AeroHandler(application),
      TrayIcon(application),
      ColorDialog(*this),
      SaveDialog(*this),
      BalloonHint(application.Backend().Hints()),
      colorization_(colorization),
      settings_(application.Desktop(), Label_Color_Mode),
      autostart_(application.Desktop(), CheckBox_Autostart),
      tracker_(application.Desktop(), colorization, *this) {
  BuildLayout();
  BindEvents();
  CreateHandle();
}

TForm_Main::~TForm_Main() {
  // The window goes while the controls it shows are all still there.
  DestroyHandle();
}

void TForm_Main::CreateParams(tintara::CreateParams& params) const {
  Form::CreateParams(params);
  // No caption, frame, system menu or boxes: the window paints its own title bar.
  params.style = styles::kWsPopup;
  params.classStyle |= styles::kCsDropShadow;
}

void TForm_Main::FormCreate(Control& /*sender*/) {
  // The border is already gone: the window was created with WS_POPUP alone.
  ApplyWindowRegion(*this);
  tracker_.SetMainWindow(Handle());
  tracker_.ResetLastForegroundWindow();
  LoadStartupState();
}

void TForm_Main::LoadStartupState() {
  settings_.SetAppPath();
  autostart_.SyncAtStartup();
  if (StartedWithLaunchSwitch(Desktop())) {
    // Started with Windows: only the notification-area icon shows.
    App().SetShowMainForm(false);
    Hide();
    TrayIcon.SetVisible(true);
  }
  settings_.ReadSettings();
}

void TForm_Main::FormClose(Control& /*sender*/, CloseAction& /*action*/) {
  settings_.SaveSettings();
}

void TForm_Main::FormMouseDown(Control& /*sender*/, MouseButton /*button*/, ShiftState /*shift*/,
                               int /*x*/, int /*y*/) {
  StartWindowDrag(Desktop(), Handle());
}

void TForm_Main::Image_TittlebarMouseDown(Control& /*sender*/, MouseButton /*button*/,
                                          ShiftState /*shift*/, int /*x*/, int /*y*/) {
  StartWindowDrag(Desktop(), Handle());
}

void TForm_Main::Label_CloseClick(Control& /*sender*/) {
  if (ShowMessage(Desktop(), MessageKind::Warning, kExitQuestion, MessageButtons::YesNo) ==
      MessageAnswer::Yes) {
    Close();
  }
}

void TForm_Main::Label_MinimizeClick(Control& /*sender*/) {
  // Minimised first, so the window shrinks to its taskbar button before it goes.
  Minimize();
  Hide();
  TrayIcon.SetVisible(true);
}

void TForm_Main::PopupItem_ShowInterfaceClick(MenuItem& /*sender*/) {
  // After a hidden start this is the window's first showing, at its designed place.
  Show();
  Restore();
  TrayIcon.SetVisible(false);
}

void TForm_Main::Exittheprogram1Click(MenuItem& /*sender*/) {
  Label_CloseClick(*this);
}

void TForm_Main::FormEndSession(Control& /*sender*/) {
  // A program that starts with Windows is usually ended by logging off, never by its
  // exit question: without this the mode chosen during the session would be lost.
  // Nobody is there to read a warning, so a refused write stays silent.
  settings_.SaveSettingsSilently();
  TrayIcon.RemoveQuietly();
}

void TForm_Main::Label_CloseMouseEnter(Control& /*sender*/) {
  Label_Close.SetFontColor(kTitleLabelHover);
}

void TForm_Main::Label_CloseMouseLeave(Control& /*sender*/) {
  Label_Close.SetFontColor(kTitleLabelGrey);
}

void TForm_Main::Label_MinimizeMouseEnter(Control& /*sender*/) {
  Label_Minimize.SetFontColor(kTitleLabelHover);
}

void TForm_Main::Label_MinimizeMouseLeave(Control& /*sender*/) {
  Label_Minimize.SetFontColor(kTitleLabelGrey);
}

void TForm_Main::Label_AboutClick(Control& /*sender*/) {
  if (aboutWindow_ != nullptr) aboutWindow_->ShowModal();
}

void TForm_Main::Label_AboutMouseEnter(Control& /*sender*/) {
  Label_About.SetFontColor(kTitleLabelHover);
}

void TForm_Main::Label_AboutMouseLeave(Control& /*sender*/) {
  Label_About.SetFontColor(kTitleLabelGrey);
}

void TForm_Main::Shape_ColorMouseDown(Control& /*sender*/, MouseButton /*button*/,
                                      ShiftState /*shift*/, int /*x*/, int /*y*/) {
  const std::optional<TColor> chosen = ColorDialog.Execute();
  if (!chosen) return;
  // The desktop takes the colour first; the swatch follows.
  colorization_.ApplyAeroColor(*chosen, Log());
  Shape_Color.SetBrush(*chosen);
}

void TForm_Main::Timer_AeroHandlerTimer(Timer& /*sender*/) {
  tracker_.Timer_AeroHandlerTimer();
}

void TForm_Main::Image_TittleClick(Control& /*sender*/) {
  // Shown, or brought to the front when it is up already.
  if (TForm_Details* details = details_.Details()) details->Show();
}

void TForm_Main::Image_IconClick(Control& /*sender*/) {
  // From the click until the save has ended the poll stands still, so the icon cannot
  // change and the dialog is never captured. It runs again whatever the outcome, before
  // a failure goes on to the general error report.
  Timer_AeroHandler.SetEnabled(false);
  std::exception_ptr failure;
  try {
    const std::optional<std::u16string> chosen = SaveDialog.Execute();
    // Always appended: "logo.ico" typed in the dialog is saved as "logo.ico.ico".
    if (chosen) SaveCapturedIcon(Desktop(), Image_Icon, *chosen + u".ico");
  } catch (...) {
    failure = std::current_exception();
  }
  Timer_AeroHandler.SetEnabled(true);
  if (failure) std::rethrow_exception(failure);
}

void TForm_Main::ShowIcon(IconHandle icon) {
  // Drawn at the size it is captured at: its own, bounded; an icon that cannot be
  // measured counts as a standard one.
  const std::optional<IconSize> measured = Desktop().MeasureIcon(icon);
  const IconDrawSize draw = IconDrawSizeOf(measured, measured ? 0 : Desktop().IconHeightMetric());
  Image_Icon.SetPicture(Picture::Borrowed(icon, {draw.size.width, draw.size.height}, draw.scaled));
}

}  // namespace tintara
