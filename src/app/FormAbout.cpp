#include "app/FormAbout.h"

#include "widgets/WindowStyles.h"

namespace tintara {

TForm_About::TForm_About(Application& application)
    : Form(application), Gradient_BG(application.Desktop()), Timer_Gradient(application) {
  BuildLayout();
  BindEvents();
  CreateHandle();
}

TForm_About::~TForm_About() {
  // The window goes while the controls it shows are all still there.
  DestroyHandle();
}

void TForm_About::CreateParams(tintara::CreateParams& params) const {
  Form::CreateParams(params);
  // No caption, frame or system menu; partly transparent as a whole.
  params.style = styles::kWsPopup;
  params.opacity = kOpacity;
  // Owned by the main window: above it, and no taskbar button of its own.
  const Form* mainForm = App().MainForm();
  if (mainForm != nullptr && mainForm != this) params.owner = mainForm->Handle();
}

void TForm_About::FormCreate(Control& /*sender*/) {
  // A picture-less image over everything above the strip takes every click there, on
  // the labels and the icon too.
  Image_Over.SetAlign(Align::Client);
  Image_Over.BringToFront();
}

void TForm_About::FormShow(Control& /*sender*/) {
  // As wide as the primary screen at every showing; the first showing then centres
  // the band on the desktop.
  SetClientSize(Desktop().PrimaryScreenWidth(), Height());
}

void TForm_About::Image_OverClick(Control& /*sender*/) {
  Close();
}

void TForm_About::Image_TittleBarClick(Control& /*sender*/) {
  Close();
}

void TForm_About::Timer_GradientTimer(Timer& /*sender*/) {
  // One step of a 199-step cycle: 0, -1, ..., -99, 99, 98, ..., 1, 0. The -100 passed
  // on the way is replaced before anything is painted.
  Gradient_BG.SetRotation(static_cast<TGradientRotation>(Gradient_BG.Rotation() - 1));
  if (Gradient_BG.Rotation() < -99) Gradient_BG.SetRotation(99);
}

}  // namespace tintara
