#include "widgets/Application.h"

#include "widgets/ErrorReportText.h"
#include "widgets/Form.h"

namespace tintara {

WindowShowState MainFormShowState(int showCommand) {
  constexpr int kShowMaximized = 3;      // SW_SHOWMAXIMIZED
  constexpr int kShowMinNoActivate = 7;  // SW_SHOWMINNOACTIVE
  if (showCommand == kShowMaximized) return WindowShowState::Maximized;
  if (showCommand == kShowMinNoActivate) return WindowShowState::MinimizedNoActivate;
  return WindowShowState::Normal;
}

void Application::ShowMainFormIfWanted() {
  if (showMainForm_ && mainForm_ != nullptr) mainForm_->Show(MainFormShowState(showCommand_));
}

void Application::Terminate() {
  terminated_ = true;
  backend_.EndMessageLoop();
}

void Application::ShowException(const std::exception& error) {
  ShowGeneralErrorReport(Desktop(), title_, error);
}

}  // namespace tintara
