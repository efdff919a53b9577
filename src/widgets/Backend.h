#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DesktopServices.h"
#include "platform/Geometry.h"
#include "widgets/Font.h"

namespace tintara {

class Control;
class Form;

// How a form's window is made, as plain data: computed by the form (Form::CreateParams)
// and realised by the backend.
struct CreateParams {
  std::u16string caption;
  std::uint32_t style = 0;       // window style bits (WindowStyles.h)
  std::uint32_t exStyle = 0;     // extended style bits
  std::uint32_t classStyle = 0;  // window class style bits
  Rect bounds;                   // screen position and client size
  WindowHandle owner = 0;        // the window that owns this one; 0: none
  // Layered window drawn at this constant opacity (0..255); none: an ordinary window.
  std::optional<std::uint8_t> opacity;
};

// One frame of the hint window: its text (the title line), where the pointer was when
// it entered the control (screen coordinates), and its opacity 0..255.
struct HintFrame {
  std::u16string text;
  Point position;
  std::uint8_t opacity = 0;
  friend bool operator==(const HintFrame&, const HintFrame&) = default;
};

// What the save-file dialog is opened with.
struct SaveDialogRequest {
  WindowHandle owner = 0;
  std::u16string filter;      // "display name|pattern|display name|pattern..."
  std::u16string defaultExt;  // empty: the dialog appends nothing
  std::u16string fileName;    // the name it opens with
};

using TimerId = std::uint64_t;

// Shows the hints of the forms' controls. Fed on the user-interface thread; the
// backend decides where the timing runs and where the hint window lives.
class HintDisplay {
 public:
  virtual ~HintDisplay() = default;
  // The pointer entered a control with this hint at this screen position; whatever
  // hint was up goes at once.
  virtual void PointerEntered(const std::u16string& text, Point screenPosition) = 0;
  virtual void PointerLeft() = 0;
  // What the hint window shows now; nothing while there is none.
  virtual std::optional<HintFrame> CurrentFrame() const = 0;
};

// One form's window as the backend realised it. Destroying the object destroys the
// window; by then the form's controls may already be gone, so the destructor must not
// call into the form.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual WindowHandle Handle() const = 0;
  // Shows and activates the window at the form's current bounds.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Minimize() = 0;
  // New screen position and client size.
  virtual void Move(const Rect& bounds) = 0;
  virtual void SetCaption(const std::u16string& caption) = 0;
  // The area (form client coordinates) must be painted again: the backend later
  // paints the control tree there (PaintControlTree).
  virtual void Invalidate(const Rect& rect) = 0;
  // A native control (check box, memo) changed its state, text, font, bounds or
  // visibility, or joined the tree: its native window is brought in line.
  virtual void NativeControlChanged(Control& control) = 0;
};

// What the toolkit needs from a realisation of its forms: the Win32 one (HWNDs, GDI,
// SetTimer, common dialogs) or the headless one (state only, for the tests). Message
// boxes are not here: they go through DesktopServices.
class ToolkitBackend {
 public:
  virtual ~ToolkitBackend() = default;

  virtual DesktopServices& Desktop() = 0;

  // Creates the form's window hidden, with the given parameters, and the native
  // windows of the native controls in the form's tree. The form is complete when this
  // is called; the backend reports input through the form's entry points
  // (Form::PointerMove and friends) and paints with PaintControlTree.
  virtual std::unique_ptr<FormWindow> CreateFormWindow(Form& form, const CreateParams& params) = 0;

  // The extent of one line of text in the font (the face actually used, fallbacks
  // included).
  virtual Size MeasureText(std::u16string_view text, const Font& font) = 0;

  // A repeating timer: onTick runs every intervalMs on the user-interface thread until
  // StopTimer. Ticks are never delivered inside another tick of the same timer.
  virtual TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
  virtual void StopTimer(TimerId timer) = 0;

  // The system colour chooser, modal to `owner`: opens with `initial` and the sixteen
  // custom colours, which it updates as the user leaves them; the chosen colour, or
  // nothing when cancelled.
  virtual std::optional<TColor> RunColorDialog(WindowHandle owner, TColor initial,
                                               std::array<TColor, 16>& customColors) = 0;
  // The save-file dialog: the chosen full path, or nothing when cancelled.
  virtual std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) = 0;

  // The hints of every form; they live as long as the backend.
  virtual HintDisplay& Hints() = 0;

  // The application was told to terminate: the message loop ends once the current
  // message has been handled.
  virtual void EndMessageLoop() = 0;
};

}  // namespace tintara
