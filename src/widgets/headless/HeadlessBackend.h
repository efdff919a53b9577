#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/MemoryDesktop.h"
#include "widgets/Backend.h"
#include "widgets/Control.h"
#include "widgets/HintPresenter.h"

namespace tintara::headless {

class HeadlessBackend;

// A form's window in memory: a window of the memory desktop (so it has a handle and an
// outline there) plus what the toolkit asked of it.
class HeadlessWindow : public FormWindow {
 public:
  HeadlessWindow(HeadlessBackend& backend, Form& form, const CreateParams& params);
  ~HeadlessWindow() override;

  WindowHandle Handle() const override { return handle_; }
  void Show(WindowShowState state) override;
  void Hide() override;
  void Minimize() override;
  void Move(const Rect& bounds) override;
  void SetCaption(const std::u16string& caption) override;
  void Invalidate(const Rect& rect) override;
  void NativeControlChanged(Control& control) override;

  const CreateParams& Params() const { return params_; }
  Form& Owner() const { return form_; }
  bool IsVisible() const;
  bool IsMinimized() const;
  bool IsMaximized() const;
  Rect Bounds() const;
  // Areas asked to be painted again, oldest first.
  std::vector<Rect> invalidated;
  // Native controls brought in line, oldest first.
  std::vector<const Control*> nativeChanges;

 private:
  MemoryWindowPlacement& State() const;

  HeadlessBackend& backend_;
  Form& form_;
  CreateParams params_;
  WindowHandle handle_;
};

// A hint presenter's stage on the headless backend: its steps are the backend's timers,
// so Advance drives them, and its frames are recorded in the backend's hint window.
class TimerHintStage final : public HintStage {
 public:
  explicit TimerHintStage(HeadlessBackend& backend) : backend_(backend) {}
  ~TimerHintStage() override;
  TimerHintStage(const TimerHintStage&) = delete;
  TimerHintStage& operator=(const TimerHintStage&) = delete;

  void StartSteps(std::uint32_t intervalMs, std::function<void()> onStep) override;
  void StopSteps() override;
  void Show(const HintFrame& frame) override;
  void Remove() override;

 private:
  HeadlessBackend& backend_;
  std::optional<TimerId> timer_;
};

// A notification-area icon on the headless backend: the backend plays the shell.
class HeadlessTrayIconHost final : public TrayIconHost {
 public:
  HeadlessTrayIconHost(HeadlessBackend& backend, TrayIcon& icon);
  ~HeadlessTrayIconHost() override;

  bool Add(int iconResource, const std::u16string& tooltip) override;
  bool Remove() override;
  MenuItem* TrackMenu(const PopupMenu& menu, Point at) override;

  TrayIcon& Icon() const { return icon_; }

 private:
  HeadlessBackend& backend_;
  TrayIcon& icon_;
};

// The toolkit without a screen, on top of the memory desktop: state only. Tests drive
// it like a user and a clock would: input through the forms' entry points (or the
// helpers below), time through Advance, dialogs through scripted users.
class HeadlessBackend : public ToolkitBackend {
 public:
  explicit HeadlessBackend(MemoryDesktop& desktop) : desktop_(desktop) {}

  DesktopServices& Desktop() override { return desktop_; }
  MemoryDesktop& Memory() { return desktop_; }
  void AttachApplication(Application& application) override { application_ = &application; }
  // The application of the program running on this backend, or nullptr.
  Application* AttachedApplication() const { return application_; }

  std::unique_ptr<FormWindow> CreateFormWindow(Form& form, const CreateParams& params) override;
  Size MeasureText(std::u16string_view text, const Font& font) override;
  TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void StopTimer(TimerId timer) override;
  std::optional<TColor> RunColorDialog(WindowHandle owner, TColor initial,
                                       std::array<TColor, 16>& customColors) override;
  std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) override;
  HintDisplay& Hints() override { return hints_; }
  std::unique_ptr<TrayIconHost> CreateTrayIconHost(TrayIcon& icon) override;
  // Shows the main form when the start-up show flag says so, then runs
  // messageLoopUser, the user and the clock of the test, and returns 0.
  int RunMessageLoop(Application& application) override;
  void EndMessageLoop() override { messageLoopEnded = true; }
  std::function<void()> messageLoopUser;
  void RunModalLoop(Form& form) override;

  // --- the clock ---
  std::int64_t Now() const { return now_; }
  // Lets `ms` milliseconds pass: every timer fires at each multiple of its interval
  // since it started, in time order (timers due at the same moment in the order they
  // were started); a timer started or stopped by a tick is honoured at once.
  void Advance(std::int64_t ms);
  std::size_t RunningTimers() const { return timers_.size(); }
  // The interval of a running timer, or nothing.
  std::optional<std::uint32_t> TimerInterval(TimerId timer) const;

  // --- text ---
  // The extent one line of text measures; replace it to give texts exact sizes. By
  // default (DefaultTextExtent) every character is a little under half the pixel
  // height wide, and a line is two pixels taller than the pixel height.
  std::function<Size(std::u16string_view, const Font&)> textMeasurer = DefaultTextExtent;
  static Size DefaultTextExtent(std::u16string_view text, const Font& font);

  // --- dialogs ---
  struct ColorDialogCall {
    WindowHandle owner = 0;
    TColor initial = 0;
    std::array<TColor, 16> customColors{};  // as the dialog opened
  };
  std::vector<ColorDialogCall> colorDialogs;
  // The user at the colour dialog: returns the colour confirmed, or nothing to cancel,
  // and may change the custom colours. Unset: cancels.
  std::function<std::optional<TColor>(TColor initial, std::array<TColor, 16>& custom)>
      colorDialogUser;
  std::vector<SaveDialogRequest> saveDialogs;
  // The user at the save dialog: the path chosen, or nothing to cancel. Unset: cancels.
  std::function<std::optional<std::u16string>(const SaveDialogRequest&)> saveDialogUser;

  // --- modal forms ---
  // The forms shown modally, in order.
  std::vector<const Form*> modalForms;
  // The user while a modal form is up: runs once inside its modal loop and may click,
  // let time pass and close the form. The loop ends when the script returns (unset: at
  // once), and ShowModal hides the form.
  std::function<void(Form&)> modalUser;

  // --- the hint window ---
  void ShowHintWindow(const HintFrame& frame);
  void RemoveHintWindow();
  std::optional<HintFrame> hintWindow;  // what it shows now
  std::vector<HintFrame> hintFrames;    // every frame shown, oldest first
  int hintWindowsRemoved = 0;

  bool messageLoopEnded = false;

  // --- the shell's notification area ---
  struct ShownTrayIcon {
    int iconResource = 0;
    std::u16string tooltip;
  };
  // The icons the shell shows now.
  std::map<const TrayIcon*, ShownTrayIcon> trayIcons;
  bool shellTakesIcons = true;       // false: no taskbar, NIM_ADD is not accepted
  bool shellRefusesRemoval = false;  // true: NIM_DELETE fails
  // Every opening of an icon's menu, and the user at it: the index of the item chosen,
  // or -1 to close the menu without a choice. Unset: closes it.
  struct MenuOpening {
    std::vector<std::u16string> captions;
    Point at;
  };
  std::vector<MenuOpening> menuOpenings;
  std::function<int(const PopupMenu&, Point)> trayMenuUser;
  // A new taskbar: the shell forgets its icons and announces itself to every program.
  void RestartShell();
  // The icon of a TrayIcon as the shell shows it, or nullptr.
  const ShownTrayIcon* ShownIcon(const TrayIcon& icon) const;

  // The headless window of a form, or nullptr before its CreateHandle.
  HeadlessWindow* WindowOf(const Form& form) const;

 private:
  friend class HeadlessWindow;
  friend class HeadlessTrayIconHost;
  struct RunningTimer {
    std::uint32_t interval = 0;
    std::int64_t due = 0;
    std::function<void()> onTick;
  };

  MemoryDesktop& desktop_;
  Application* application_ = nullptr;
  std::int64_t now_ = 0;
  TimerId nextTimer_ = 1;
  std::map<TimerId, RunningTimer> timers_;
  std::map<const Form*, HeadlessWindow*> windows_;
  std::vector<HeadlessTrayIconHost*> trayHosts_;
  // Last: the presenter stops its timers and removes its window before those go.
  TimerHintStage hintStage_{*this};
  HintPresenter hints_{hintStage_};
};

// --- input as a user gives it ---

// The middle of a control, in its form's client coordinates.
Point CenterOf(const Control& control);
// Moves the pointer to a point of the form (hover enter and leave follow).
void MovePointer(Form& form, Point p);
// Moves the pointer onto the middle of the control.
void MovePointerTo(Control& control);
// Presses and releases a button at a point of the form (a left one clicks).
void Press(Form& form, MouseButton button, Point p);
// Presses and releases a button over the middle of the control.
void PressOn(Control& control, MouseButton button = MouseButton::Left);

}  // namespace tintara::headless
