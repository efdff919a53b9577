#include "PeerWindows.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PeerIcons.h"
#include "PeerScript.h"
#include "ProcessSample.h"
#include "ProgramDriver.h"
#include "StandinEnvironment.h"
#include "StandinHandles.h"

namespace standin {
namespace {

// The program needs a moment after loading the library before its timer runs.
constexpr DWORD kDefaultDelayMs = 1500;
constexpr DWORD kDefaultPauseMs = 700;
constexpr int kWindowWidth = 280;
constexpr int kWindowHeight = 200;
constexpr int kShownIconSize = 96;
// Rounds: how long a change may take the program, and the quiet before a sample.
constexpr DWORD kHandledTimeoutMs = 10000;
constexpr DWORD kSettleMs = 250;
constexpr DWORD kDefaultSampleEvery = 10;

// What the program has done so far, as the peers in rounds see it.
struct ProgramProgress {
  std::atomic<unsigned> writes{0};
  // Requests for ICON_SMALL2, the last icon lookup, to a window without icon from
  // another thread.
  std::atomic<unsigned> lastIconRequests{0};
};

ProgramProgress& Progress() {
  static ProgramProgress progress;
  return progress;
}

struct PeerWindow {
  PeerOrder order;
  IconOwner icon;
  std::wstring className;
};

bool AnswersKind(IconSource source, WPARAM kind) {
  switch (source) {
    case IconSource::ClassIcons:
      return false;
    case IconSource::AllKinds:
      return kind == ICON_SMALL || kind == ICON_BIG || kind == ICON_SMALL2;
    case IconSource::SmallOnly:
      return kind == ICON_SMALL;
    case IconSource::BigOnly:
      return kind == ICON_BIG;
    case IconSource::Small2Only:
      return kind == ICON_SMALL2;
  }
  return false;
}

// A hung application: the request is never answered. Only requests from other threads
// hang; Wine asks the window's own thread for its icon while activating it, and that
// one has to go through for the window to reach the front at all.
[[noreturn]] void HangForever() {
  for (;;) Sleep(INFINITE);
}

void Paint(HWND window, const PeerWindow& peer) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  const GdiObject backdrop(
      CreateSolidBrush(peer.icon ? RGB(0xF0, 0xF0, 0xF0) : RGB(0x60, 0x60, 0x60)));
  FillRect(dc, &client, static_cast<HBRUSH>(backdrop.get()));
  if (peer.icon) {
    // The icon enlarged, framed, so a screenshot shows which icon was in front.
    const int left = (client.right - kShownIconSize) / 2;
    const int top = (client.bottom - kShownIconSize) / 2 + 8;
    RECT frame{left - 1, top - 1, left + kShownIconSize + 1, top + kShownIconSize + 1};
    FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawIconEx(dc, left, top, peer.icon.get(), kShownIconSize, kShownIconSize, 0, nullptr,
               DI_NORMAL);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, peer.icon ? RGB(0, 0, 0) : RGB(0xFF, 0xFF, 0xFF));
  RECT text = client;
  text.top += 8;
  DrawTextW(dc, peer.order.name.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE);
  EndPaint(window, &paint);
}

LRESULT CALLBACK PeerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* peer = reinterpret_cast<const PeerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (peer == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_GETICON:
      if (peer->order.kind == PeerKind::Stuck) {
        if (InSendMessage()) {
          AppendLogLine("peer stuck hangs on an icon request from another thread");
          HangForever();
        }
        return 0;
      }
      if (peer->order.kind == PeerKind::NoIcon && wParam == ICON_SMALL2 && InSendMessage()) {
        ++Progress().lastIconRequests;
      }
      if (peer->icon && AnswersKind(peer->order.source, wParam)) {
        return reinterpret_cast<LRESULT>(peer->icon.get());
      }
      return 0;
    case WM_PAINT:
      Paint(window, *peer);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      return 0;  // the windows stay until the process ends
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

std::string HandleText(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window) & 0xFFFFFFFFu));
  return text;
}

// Serves sent and posted messages until the given time has passed.
void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

[[noreturn]] void PumpForever() {
  for (;;) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) HangForever();
    if (got == 0) continue;  // a quit request is not ours to obey
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class PeerRun {
 public:
  PeerRun(HINSTANCE instance, std::wstring script)
      : instance_(instance),
        script_(std::move(script)),
        delayMs_(EnvironmentNumber(kPeerDelayVariable, kDefaultDelayMs)),
        pauseMs_(EnvironmentNumber(kPeerPauseVariable, kDefaultPauseMs)),
        rounds_(EnvironmentNumber(kPeerRoundsVariable, 0)),
        sampleEvery_(EnvironmentNumber(kSampleEveryVariable, kDefaultSampleEvery)) {}

  [[noreturn]] void Run() {
    const PeerScript script = ParsePeerScript(script_);
    for (const std::wstring& item : script.rejected) {
      AppendLogLine("peer " + ToUtf8(item) + " rejected");
    }
    Sleep(delayMs_);
    if (rounds_ > 0) {
      RunRounds(script);
      AppendLogLine("peers done");
      PumpForever();
    }
    for (const PeerOrder& order : script.peers) {
      windows_.push_back(std::make_unique<PeerWindow>(Prepare(order)));
      PeerWindow& peer = *windows_.back();
      if (order.kind == PeerKind::Stuck) {
        OpenOnOwnThread(peer);
      } else {
        OpenAndBringToFront(peer);
      }
      PumpFor(pauseMs_);
    }
    AppendLogLine("peers done");
    DriveProgramFromEnvironment(
        [this](const std::wstring& item) {
          for (const PeerOrder& order : ParsePeerScript(item).peers) {
            windows_.push_back(std::make_unique<PeerWindow>(Prepare(order)));
            OpenAndBringToFront(*windows_.back());
          }
        },
        PumpFor);
    PumpForever();
  }

 private:
  PeerWindow Prepare(const PeerOrder& order) {
    PeerWindow peer;
    peer.order = order;
    if (order.kind == PeerKind::WithIcon) {
      peer.icon = MakePeerIcon(order.size, order.background, order.centre);
    }
    peer.className = L"TintaraStandinPeer" + std::to_wstring(windows_.size());
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PeerWindowProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = peer.className.c_str();
    if (order.kind == PeerKind::WithIcon && order.source == IconSource::ClassIcons) {
      // Both set, so the system makes no resized copy for the small one.
      windowClass.hIcon = peer.icon.get();
      windowClass.hIconSm = peer.icon.get();
    }
    RegisterClassExW(&windowClass);
    return peer;
  }

  HWND Create(PeerWindow& peer) const {
    // Side by side in rows of three, so a screenshot shows every icon.
    const int step = static_cast<int>(windows_.size()) - 1;
    const int left = 24 + (kWindowWidth + 50) * (step % 3);
    const int top = 24 + (kWindowHeight + 40) * ((step / 3) % 3);
    const std::wstring title = L"Peer " + peer.order.name;
    return CreateWindowExW(0, peer.className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, left, top,
                           kWindowWidth, kWindowHeight, nullptr, nullptr, instance_, &peer);
  }

  // Logs the window before it comes to the front: the program may react at once.
  HWND OpenAndBringToFront(PeerWindow& peer) const {
    const std::string name = "peer " + ToUtf8(peer.order.name);
    const HWND window = Create(peer);
    if (window == nullptr) {
      AppendLogLine(name + " could not be opened");
      return nullptr;
    }
    AppendLogLine(name + " window=" + HandleText(window));
    ShowWindow(window, SW_SHOWNORMAL);
    BringToFront(peer, window);
    return window;
  }

  static void BringToFront(const PeerWindow& peer, HWND window) {
    SetForegroundWindow(window);
    if (GetForegroundWindow() != window) {
      AppendLogLine("peer " + ToUtf8(peer.order.name) + " did not come to the front");
    }
  }

  // The same windows again and again, so that whatever the process gains over the
  // rounds is the program's and not the peers'.
  void RunRounds(const PeerScript& script) {
    std::vector<HWND> opened;
    unsigned changes = 0;
    for (DWORD round = 1; round <= rounds_; ++round) {
      for (std::size_t i = 0; i < script.peers.size(); ++i) {
        const PeerOrder& order = script.peers[i];
        if (round == 1) {
          windows_.push_back(std::make_unique<PeerWindow>(Prepare(order)));
          opened.push_back(nullptr);
          // A hung window would stop the rounds for good.
          if (order.kind == PeerKind::Stuck) {
            AppendLogLine("peer " + ToUtf8(order.name) + " rejected");
            continue;
          }
        }
        if (order.kind == PeerKind::Stuck) continue;
        PeerWindow& peer = *windows_[i];
        const unsigned writes = Progress().writes;
        const unsigned requests = Progress().lastIconRequests;
        if (round == 1) {
          opened[i] = OpenAndBringToFront(peer);
        } else if (opened[i] != nullptr) {
          BringToFront(peer, opened[i]);
        }
        if (opened[i] != nullptr) WaitUntilHandled(peer, writes, requests, round);
        ++changes;
        PumpFor(pauseMs_);
      }
      if (round == 1 || round == rounds_ || (sampleEvery_ > 0 && round % sampleEvery_ == 0)) {
        PumpFor(kSettleMs);
        AppendLogLine("sample round=" + std::to_string(round) +
                      " changes=" + std::to_string(changes) + " " + DescribeProcessSample());
      }
    }
  }

  // Until the program has dealt with the window in front: written its colour or, for a
  // window without icon, asked for its last icon kind. The peers' own messages are
  // served meanwhile, the program's icon requests among them.
  static void WaitUntilHandled(const PeerWindow& peer, unsigned writesBefore,
                               unsigned requestsBefore, DWORD round) {
    const ULONGLONG deadline = GetTickCount64() + kHandledTimeoutMs;
    for (;;) {
      const bool handled = peer.order.kind == PeerKind::NoIcon
                               ? Progress().lastIconRequests != requestsBefore
                               : Progress().writes != writesBefore;
      if (handled) return;
      if (GetTickCount64() >= deadline) {
        AppendLogLine("peer " + ToUtf8(peer.order.name) + " was not handled in round " +
                      std::to_string(round));
        return;
      }
      PumpFor(5);
    }
  }

  struct OwnThreadStart {
    const PeerRun* run;
    PeerWindow* peer;
    HANDLE ready;
  };

  static DWORD WINAPI OwnThreadMain(void* parameter) {
    auto* start = static_cast<OwnThreadStart*>(parameter);
    const HWND window = start->run->OpenAndBringToFront(*start->peer);
    SetEvent(start->ready);  // start is gone after this
    if (window == nullptr) return 0;
    PumpForever();
  }

  // A window that hangs must not take the other windows' thread down with it.
  // Returns once the window is in front (or could not be opened).
  void OpenOnOwnThread(PeerWindow& peer) const {
    const KernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const std::string name = "peer " + ToUtf8(peer.order.name);
    OwnThreadStart start{this, &peer, ready.get()};
    const KernelHandle thread(ready ? CreateThread(nullptr, 0, OwnThreadMain, &start, 0, nullptr)
                                    : nullptr);
    if (!thread) {
      AppendLogLine(name + " could not be opened");
      return;
    }
    const HANDLE waitFor = ready.get();
    while (MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      PumpFor(0);
    }
  }

  HINSTANCE instance_;
  std::wstring script_;
  DWORD delayMs_;
  DWORD pauseMs_;
  DWORD rounds_;
  DWORD sampleEvery_;
  std::vector<std::unique_ptr<PeerWindow>> windows_;
};

DWORD WINAPI PeerThreadMain(void* parameter) {
  std::unique_ptr<PeerRun> run(static_cast<PeerRun*>(parameter));
  run->Run();
}

}  // namespace

void NoteColorizationWritten() {
  ++Progress().writes;
}

void StartPeersFromEnvironment(HMODULE self) {
  std::wstring script = EnvironmentText(kPeersVariable);
  if (script.empty()) return;
  // The thread runs code of this library until the process ends, so the library must
  // stay loaded even after the program releases it.
  HMODULE pinned = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&StartPeersFromEnvironment), &pinned);
  auto run = std::make_unique<PeerRun>(self, std::move(script));
  const KernelHandle thread(CreateThread(nullptr, 0, PeerThreadMain, run.get(), 0, nullptr));
  if (thread) run.release();
}

}  // namespace standin
