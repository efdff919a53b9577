#include "app/FormDetails.h"

#include "app/FormMainWindowShape.h"
#include "widgets/WindowStyles.h"

namespace tintara {

TForm_Details::TForm_Details(Application& application) : Form(application) {
  BuildLayout();
  BindEvents();
  CreateHandle();
}

TForm_Details::~TForm_Details() {
  // The window goes while the controls it shows are all still there.
  DestroyHandle();
}

void TForm_Details::CreateParams(tintara::CreateParams& params) const {
  Form::CreateParams(params);
  params.style = styles::kWsPopup;
  params.classStyle |= styles::kCsDropShadow;
  // Owned by the main window: above it, and no taskbar button of its own.
  const Form* main = App().MainForm();
  if (main != nullptr && main != this) params.owner = main->Handle();
}

void TForm_Details::FormCreate(Control& /*sender*/) {
  // The border is already gone: the window was created with WS_POPUP alone.
  ApplyWindowRegion(*this);
}

void TForm_Details::FormMouseDown(Control& /*sender*/, MouseButton /*button*/, ShiftState /*shift*/,
                                  int /*x*/, int /*y*/) {
  StartWindowDrag(Desktop(), Handle());
}

void TForm_Details::Image_TittlebarMouseDown(Control& /*sender*/, MouseButton /*button*/,
                                             ShiftState /*shift*/, int /*x*/, int /*y*/) {
  StartWindowDrag(Desktop(), Handle());
}

void TForm_Details::Label_CloseClick(Control& /*sender*/) {
  // Not the main form: closing hides it, asks nothing and keeps its contents.
  Close();
}

void TForm_Details::Label_CloseMouseEnter(Control& /*sender*/) {
  Label_Close.SetFontColor(kCloseHover);
}

void TForm_Details::Label_CloseMouseLeave(Control& /*sender*/) {
  Label_Close.SetFontColor(kCloseSilver);
}

void TForm_Details::MemoLog::AppendLine(std::string_view line) {
  // Log lines are plain ASCII; every byte stands for itself.
  std::u16string wide;
  wide.reserve(line.size());
  for (const char c : line) wide.push_back(static_cast<unsigned char>(c));
  memo_.Append(wide);
}

}  // namespace tintara
