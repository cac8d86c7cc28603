// The scripted driver on Windows: the program runs in its real window and
// gets its input from SendInput, as a person's comes.
//
// The program's thread must be idle before each line: every input it was
// given taken, nothing left in its queue. A second thread asks it, over and
// over, by sending a message to a window of the driver's: Windows hands a
// message sent from another thread to the program's thread whenever that
// thread reads its queue, so the question is answered there, between two
// messages the program handles, and the line is carried out on that
// thread, as the framework's own calls are.
//
// Input from SendInput reaches the thread's queue later, through the
// system. So each line's input ends with a key no keyboard has (the
// marker); a keyboard hook on the program's thread sees it come out of the
// queue after everything sent before it, and takes it away before the
// program sees it.
#include <windows.h>

#include <atomic>

#include "app/script_driver.h"
#include "app/script_runner.h"
#include "runtime/startup/entry.h"

namespace velmaro {
namespace {

constexpr WORD kMarkerKey = 0x97;     // a virtual key Windows leaves unassigned
constexpr DWORD kInputPatience = 10000;  // ms for input to come through

constexpr UINT kIdleQuestion = WM_APP;
// The answers: 0 (what a destroyed window answers) ends the asking; while
// input is on its way or the window is not up yet, the program may well sit
// idle, and the asking pauses.
enum Answer : LRESULT { kStop = 0, kCarriedOut, kBusy, kNotYet };

INPUT keyInput(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

// Keys of the block between the main keys and the number pad, which the
// keyboard reports as extended; without the flag they would be the number
// pad's.
bool isExtendedKey(UINT virtualKey) {
  switch (virtualKey) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      return true;
    default:
      return false;
  }
}

INPUT mouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

// A screen coordinate in SendInput's absolute units (0 to 65535 across the
// primary screen), rounded up so that it maps back onto the same pixel.
LONG absolute(LONG pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

// Input given line by line through SendInput, each line's followed by the
// marker; the marker's arrival says that all of it was taken.
class SystemInput : public ScriptInput {
 public:
  void Click(POINT screen) override {
    LONG x = absolute(screen.x, GetSystemMetrics(SM_CXSCREEN));
    LONG y = absolute(screen.y, GetSystemMetrics(SM_CYSCREEN));
    pending_.push_back(mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y));
    pending_.push_back(mouseInput(MOUSEEVENTF_LEFTDOWN));
    pending_.push_back(mouseInput(MOUSEEVENTF_LEFTUP));
  }

  void KeyDown(UINT virtualKey) override { pending_.push_back(key(virtualKey, 0)); }
  void KeyUp(UINT virtualKey) override { pending_.push_back(key(virtualKey, KEYEVENTF_KEYUP)); }

  // The key that types the character in the keyboard layout, with the
  // modifiers it needs; a character no key types comes as itself.
  void Type(char character) override {
    SHORT found = VkKeyScanA(character);
    if (found == -1) return TypeAsItself(character);
    UINT virtualKey = LOBYTE(found);
    BYTE modifiers = HIBYTE(found);
    const std::pair<BYTE, UINT> modifierKeys[] = {{1, VK_SHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};
    for (auto [bit, modifier] : modifierKeys)
      if (modifiers & bit) KeyDown(modifier);
    KeyDown(virtualKey);
    KeyUp(virtualKey);
    for (auto [bit, modifier] : modifierKeys)
      if (modifiers & bit) KeyUp(modifier);
  }

  void Deliver() override {
    pending_.push_back(keyInput(kMarkerKey, 0));
    pending_.push_back(keyInput(kMarkerKey, KEYEVENTF_KEYUP));
    deliveredAt_ = GetTickCount64();
    markerOnItsWay_ = true;
    SendInput(static_cast<UINT>(pending_.size()), pending_.data(), sizeof(INPUT));
    pending_.clear();
  }

  std::string Screenshot(HWND, const std::string&) override { return "screenshot is not available on Windows"; }

  bool InputOnItsWay() const { return markerOnItsWay_; }
  bool InputOverdue() const { return markerOnItsWay_ && GetTickCount64() - deliveredAt_ > kInputPatience; }
  void InputArrived() { markerOnItsWay_ = false; }

 private:
  static INPUT key(UINT virtualKey, DWORD flags) {
    return keyInput(static_cast<WORD>(virtualKey), flags | (isExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0));
  }

  void TypeAsItself(char character) {
    auto unit = static_cast<WORD>(static_cast<unsigned char>(character));
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = unit;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    pending_.push_back(down);
    pending_.push_back(up);
  }

  std::vector<INPUT> pending_;
  bool markerOnItsWay_ = false;
  ULONGLONG deliveredAt_ = 0;
};

// What the driver's window and hook work with; they run on the program's
// thread, one driver at a time.
struct Driving {
  ScriptRunner* runner = nullptr;
  SystemInput* input = nullptr;
  std::atomic<bool> programEnded{false};
};
Driving gDriving;

// Takes the marker out of the keyboard input before the program sees it.
LRESULT CALLBACK markerHook(int code, WPARAM virtualKey, LPARAM flags) {
  if (code == HC_ACTION && virtualKey == kMarkerKey) {
    if (flags & (KF_UP << 16)) gDriving.input->InputArrived();
    return 1;
  }
  return CallNextHookEx(nullptr, code, virtualKey, flags);
}

// Whether the thread's queue holds anything but messages sent from other
// threads (which are answered first whenever the queue is read).
bool queueHoldsWork() { return (HIWORD(GetQueueStatus(QS_ALLINPUT)) & ~QS_SENDMESSAGE) != 0; }

LRESULT answerIdleQuestion() {
  if (gDriving.programEnded) return kStop;
  if (gDriving.input->InputOverdue()) {
    gDriving.input->InputArrived();
    gDriving.runner->Abandon("its input did not reach the program (is its window in the foreground?)");
    return kCarriedOut;
  }
  if (gDriving.input->InputOnItsWay() || !ShownMainWindow()) return kNotYet;
  if (queueHoldsWork()) return kBusy;
  gDriving.runner->OnIdle();
  return kCarriedOut;
}

LRESULT CALLBACK driverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kIdleQuestion) return answerIdleQuestion();
  return DefWindowProcA(window, message, wParam, lParam);
}

// The second thread: asks until told to stop. A busy program answers when
// it next reads its queue, which paces the asking.
DWORD WINAPI askWhetherIdle(void* window) {
  for (;;) {
    LRESULT answer = SendMessageA(static_cast<HWND>(window), kIdleQuestion, 0, 0);
    if (answer == kStop) return 0;
    if (answer == kNotYet) Sleep(1);
  }
}

HWND createDriverWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = driverWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VelmaroScriptDriver";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

// Lets the asking thread finish: it may be waiting for an answer, which
// only this thread can give.
void stopAsking(HANDLE asker) {
  gDriving.programEnded = true;
  while (MsgWaitForMultipleObjects(1, &asker, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(asker);
}

}  // namespace

ScriptResult RunScript(std::istream& in, std::ostream& out, std::function<bool()> prelude) {
  SystemInput input;
  ScriptRunner runner(in, out, input, std::move(prelude));
  gDriving.runner = &runner;
  gDriving.input = &input;
  gDriving.programEnded = false;
  HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, markerHook, nullptr, GetCurrentThreadId());
  HWND window = createDriverWindow();
  HANDLE asker = CreateThread(nullptr, 0, askWhetherIdle, window, 0, nullptr);
  int status = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
  stopAsking(asker);
  DestroyWindow(window);
  UnhookWindowsHookEx(hook);
  ScriptResult result = runner.Result();
  if (result.status == 0) result.status = status;
  return result;
}

}  // namespace velmaro
