#pragma once

#include <exception>
#include <string>
#include <utility>

#include "widgets/Backend.h"

namespace tintara {

class Form;

// The process's show command (the SW_* value it was started with) as the main form's
// first showing takes it: SW_SHOWMAXIMIZED (3) maximised, SW_SHOWMINNOACTIVE (7) as a
// taskbar button only, anything else normal.
WindowShowState MainFormShowState(int showCommand);

// The program as a whole: its title, its main form, whether the main form is shown
// when the message loop starts, and the general error report that catches what a
// handler lets escape. The message loop itself belongs to the backend.
class Application {
 public:
  static constexpr int kShowDefault = 10;  // SW_SHOWDEFAULT

  explicit Application(ToolkitBackend& backend, std::u16string title = {})
      : backend_(backend), title_(std::move(title)) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  ToolkitBackend& Backend() const { return backend_; }
  DesktopServices& Desktop() const { return backend_.Desktop(); }

  // The caption of the general error report.
  const std::u16string& Title() const { return title_; }
  void SetTitle(std::u16string title) { title_ = std::move(title); }

  // The first form that finishes its creation becomes the main form; closing it ends
  // the program.
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form) { mainForm_ = form; }

  // The start-up show flag: whether the message loop shows the main form at its start.
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  // The show command the program was started with (SW_SHOWDEFAULT when it was given
  // none).
  int ShowCommand() const { return showCommand_; }
  void SetShowCommand(int showCommand) { showCommand_ = showCommand; }
  // The first step of the message loop: in a hidden start nothing is shown, whatever
  // the show command.
  void ShowMainFormIfWanted();

  void Terminate();
  bool Terminated() const { return terminated_; }

  // The general error report: a modal box with the title as caption, the error icon,
  // "OK" and the error's text, ended with a full stop where needed.
  void ShowException(const std::exception& error);

  // Runs a handler the way the message loop dispatches: what escapes it is reported
  // and the program goes on.
  template <typename Handler>
  void RunHandler(Handler&& handler) {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }

 private:
  ToolkitBackend& backend_;
  std::u16string title_;
  Form* mainForm_ = nullptr;
  bool showMainForm_ = true;
  int showCommand_ = kShowDefault;
  bool terminated_ = false;
};

}  // namespace tintara
