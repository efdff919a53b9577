#pragma once

#include <string>
#include <string_view>

#include "engine/ColorizationLog.h"
#include "widgets/Form.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Memo.h"
#include "widgets/Panel.h"

namespace tintara {

// The details window: the handle and class name of the window captured last and the
// log of every colorization written, in a borderless 600 x 328 window that looks like
// the main window. It is made hidden after the main window and lives for the whole
// run; its labels and log are kept up to date while it is hidden.
class TForm_Details : public Form {
 public:
  static constexpr TColor kCloseSilver = 0xC0C0C0;
  static constexpr TColor kCloseHover = 0x000000;

  // Builds the window and its controls, realises it (hidden) and runs FormCreate.
  explicit TForm_Details(Application& application);
  ~TForm_Details() override;

  // --- members, in their declared order ---
  Label Label_Handle;
  Label Label_Class;
  Memo Memo_Log;
  Panel Panel_TittleBar;
  Image Image_Tittlebar;
  Image Image_Tittle;
  Label Label_Tittle;
  Label Label_Close;

  // --- handlers ---
  void FormCreate(Control& sender);
  void FormMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
  void Image_TittlebarMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                int y);
  void Label_CloseClick(Control& sender);
  void Label_CloseMouseEnter(Control& sender);
  void Label_CloseMouseLeave(Control& sender);

  // The lines of Memo_Log, as the colorization control appends to them.
  ColorizationLog& Log() { return log_; }

  // WS_POPUP alone, a drop shadow from the window class, and the main window as owner.
  void CreateParams(tintara::CreateParams& params) const override;

 private:
  // Each log line becomes one memo line.
  class MemoLog final : public ColorizationLog {
   public:
    explicit MemoLog(Memo& memo) : memo_(memo) {}
    void AppendLine(std::string_view line) override;

   private:
    Memo& memo_;
  };

  // FormDetailsLayout.cpp: every control's place, look, text and events.
  void BuildLayout();
  void BindEvents();

  MemoLog log_{Memo_Log};
};

}  // namespace tintara
