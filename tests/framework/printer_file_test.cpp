// The printer's record and device context, files and their error report,
// and strings by name.
#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework_fixture.h"
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/methods/records.h"

namespace {

const ovMethodSelector kClose("Close");
const ovMethodSelector kError("Error");
const ovMethodSelector kGetLocked("Get Locked?");
const ovMethodSelector kGetName("Get Name");
const ovMethodSelector kGetPermission("Get Permission");
const ovMethodSelector kOpen("Open");
const ovMethodSelector kSetPrinterDc("Set Printer DC");
const ovAttributeSelector kFileReference("File Reference");
const ovAttributeSelector kFilePath("File Specification");
const ovAttributeSelector kLastError("Last Error");
const ovAttributeSelector kMainWindow("Main Window");
const ovAttributeSelector kPrintRecord("Print Record");
const ovAttributeSelector kPrinter("Printer");
const ovAttributeSelector kReadOnly("Read Only?");
const ovClassName kFile("File");
const ovClassName kPrinterClass("Printer");
const ovUniversalName kGetNamedString("Get Named String");
const ovUniversalName kGetString("Get String");

using Printer = FrameworkTest;

TEST_F(Printer, TheApplicationsPrinterPreparesThePrintDialogRecord) {
  ov::set(kMainWindow, Application(), ov::text(""));
  OpenApplication();
  ovRef printer = ov::get(kPrinter, Application());
  ovRef record = ov::get(kPrintRecord, printer);
  const auto* pd = ov::recordMemory<PRINTDLGA>(record);
  ASSERT_NE(pd, nullptr);
  EXPECT_EQ(pd->lStructSize, sizeof(PRINTDLGA));
  EXPECT_EQ(pd->hwndOwner, nullptr);
  EXPECT_EQ(pd->hDevMode, nullptr);
  EXPECT_EQ(pd->hDevNames, nullptr);
  EXPECT_EQ(pd->hDC, nullptr);
  EXPECT_EQ(pd->Flags, 0x100u) << "PD_RETURNDC";
  EXPECT_EQ(pd->nFromPage, 1);
  EXPECT_EQ(pd->nToPage, 1);
  EXPECT_EQ(pd->nMinPage, 1);
  EXPECT_EQ(pd->nMaxPage, 9999);
  EXPECT_EQ(pd->nCopies, 1);
  EXPECT_EQ(pd->hInstance, nullptr);
  EXPECT_EQ(pd->lCustData, 0);
  EXPECT_EQ(pd->lpfnPrintHook, nullptr);
  EXPECT_EQ(pd->lpfnSetupHook, nullptr);
  EXPECT_EQ(pd->lpPrintTemplateName, nullptr);
  EXPECT_EQ(pd->lpSetupTemplateName, nullptr);
  EXPECT_EQ(pd->hPrintTemplate, nullptr);
  EXPECT_EQ(pd->hSetupTemplate, nullptr);
}

TEST_F(Printer, OpeningAgainRefillsTheSameRecord) {
  ovRef printer = ov::make(kPrinterClass).take();
  ov::tell(ov::send<0>(kOpen, printer));
  ovRef record = ov::get(kPrintRecord, printer);
  auto* pd = ov::recordMemory<PRINTDLGA>(record);
  ASSERT_NE(pd, nullptr);
  pd->nCopies = 7;
  pd->lCustData = 42;
  ov::tell(ov::send<0>(kOpen, printer));
  EXPECT_EQ(ov::get(kPrintRecord, printer).get(), record.get());
  EXPECT_EQ(pd->nCopies, 1);
  EXPECT_EQ(pd->lCustData, 0);
  ov::tell(ov::send<0>(kClose, printer));
  EXPECT_EQ(ov::get(kPrintRecord, printer).get(), nullptr);
}

TEST_F(Printer, ThePrinterDcOwnsOneDeviceContextAtATime) {
  ovRef printer = ov::make(kPrinterClass).take();
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  auto setDc = [&](HDC dc) { ov::tell(ov::send<0>(kSetPrinterDc, printer, {dc ? ov::handleValue(dc) : ovRef()})); };
  auto held = [] { return ov::toHandle<HDC>(gPrinterDc.peek()); };

  setDc(first);
  EXPECT_EQ(held(), first);
  setDc(first);
  EXPECT_NE(GetObjectType(first), 0u) << "the DC already held is kept";
  setDc(second);
  EXPECT_EQ(held(), second);
  EXPECT_EQ(GetObjectType(first), 0u) << "the DC replaced is deleted";
  setDc(nullptr);
  EXPECT_EQ(gPrinterDc.peek(), nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);

  HDC third = CreateCompatibleDC(nullptr);
  setDc(third);
  ov::tell(ov::send<0>(kClose, printer));
  EXPECT_EQ(gPrinterDc.peek(), nullptr);
  EXPECT_EQ(GetObjectType(third), 0u) << "closing the printer deletes its DC";
}

// What a test does when the message dialog's loop goes idle.
std::function<void(HWND)> onDialogIdle;

LRESULT CALLBACK ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && onDialogIdle) {
    auto action = std::move(onDialogIdle);
    onDialogIdle = nullptr;
    action(reinterpret_cast<HWND>(lParam));
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class Files : public FrameworkTest {
 protected:
  void TearDown() override {
    onDialogIdle = nullptr;
    if (owner_) DestroyWindow(owner_);
    for (const std::string& path : made_) {
      chmod(path.c_str(), 0644);
      std::remove(path.c_str());
    }
    FrameworkTest::TearDown();
  }

  // The run-time's dialogs get a window of the test as their owner.
  void OwnDialogs() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = ownerProc;
      wc.lpszClassName = "File Test Owner";
      registered = RegisterClassA(&wc) != 0;
    }
    owner_ = CreateWindowExA(0, "File Test Owner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300, nullptr,
                             nullptr, nullptr, nullptr);
    ovioSetMainWindow(owner_);
  }

  std::string MakeFile(const char* name, mode_t mode) {
    std::string path = testing::TempDir() + name;
    if (FILE* f = std::fopen(path.c_str(), "w")) std::fclose(f);
    chmod(path.c_str(), mode);
    made_.push_back(path);
    return path;
  }

  static ovRef FileAt(const std::string& path) {
    ovRef file = ov::make(kFile).take();
    if (!path.empty()) ov::set(kFilePath, file, ov::text(path));
    return file;
  }

  HWND owner_ = nullptr;
  std::vector<std::string> made_;
};

TEST_F(Files, AFileWithoutAPathIsUntitled) {
  EXPECT_TRUE(ov::textEquals(ov::send(kGetName, FileAt("")).get(), "Untitled"));
  EXPECT_TRUE(ov::textEquals(ov::send(kGetName, FileAt("/tmp/notes.txt")).get(), "/tmp/notes.txt"));
}

TEST_F(Files, APlainFileCannotOpenOrClose) {
  ovRef file = FileAt(MakeFile("plain.txt", 0644));
  EXPECT_EQ(ov::send<0>(kOpen, file).status, ovFailure);
  EXPECT_EQ(ov::toInt(ov::get(kFileReference, file)), 0) << "it stays closed";
  ov::set(kFileReference, file, ov::integer(5));
  EXPECT_EQ(ov::send<0>(kClose, file).status, ovFailure);
}

TEST_F(Files, OnlyAReadOnlyFileIsLocked) {
  auto locked = [](const std::string& path) { return ov::isTrue(ov::send(kGetLocked, FileAt(path)).get()); };
  EXPECT_TRUE(locked(MakeFile("locked.txt", 0444)));
  EXPECT_FALSE(locked(MakeFile("free.txt", 0644)));
  EXPECT_FALSE(locked(testing::TempDir() + "missing.txt")) << "a file yet to be made can be written";
  EXPECT_FALSE(locked(""));
}

TEST_F(Files, ReadOnlyFilesAskOnlyToRead) {
  ovRef file = FileAt("");
  ov::set(kReadOnly, file, gdDefaultTrue);
  EXPECT_EQ(static_cast<uint32_t>(ov::toInt(ov::send(kGetPermission, file).get())), 0x80000000u);
  ov::set(kReadOnly, file, gdDefaultFalse);
  EXPECT_EQ(static_cast<uint32_t>(ov::toInt(ov::send(kGetPermission, file).get())), 0xC0000000u);
}

TEST_F(Files, AnErrorIsKeptAndShownToTheUser) {
  OwnDialogs();
  ovRef file = FileAt("");
  std::string shown;
  onDialogIdle = [&](HWND dialog) {
    char text[128] = "";
    GetDlgItemTextA(dialog, 25011, text, sizeof text);
    shown = text;
    platform::headless::pressKey(VK_RETURN);
  };
  ov::tell(ov::send<0>(kError, file, {ov::integer(0)}));
  EXPECT_TRUE(shown.empty()) << "no error, no message";
  EXPECT_EQ(ov::get(kLastError, file).get(), nullptr);

  ov::tell(ov::send<0>(kError, file, {ov::integer(5)}));
  EXPECT_EQ(shown, "File error number:5");
  EXPECT_EQ(ov::toInt(ov::get(kLastError, file)), 5);
}

using NamedStrings = FrameworkTest;

TEST_F(NamedStrings, ANameGivesItsStringOrItself) {
  EXPECT_TRUE(ov::textEquals(ov::universal(kGetNamedString, {nullptr, ov::text("Untitled_Str")}).get(), "Untitled"));
  EXPECT_TRUE(ov::textEquals(ov::universal(kGetNamedString, {nullptr, ov::text("Undo")}).get(), "Undo"));
  EXPECT_TRUE(ov::textEquals(ov::universal(kGetString, {ov::text("notes")}).get(), "notes"));
  EXPECT_TRUE(ov::textEquals(ov::universal(kGetString, {ov::integer(1)}).get(), "Untitled"));
}

}  // namespace
