// The printer's record and device context, files and their error report,
// and strings by name.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "framework_fixture.h"
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/methods/records.h"

namespace {

using Printer = FrameworkTest;

TEST_F(Printer, TheApplicationsPrinterPreparesThePrintDialogRecord) {
  ov::set("Main Window"_attr, Application(), ov::text(""));
  OpenApplication();
  ovRef printer = ov::get("Printer"_attr, Application());
  ovRef record = ov::get("Print Record"_attr, printer);
  const auto* pd = ov::recordMemory<PRINTDLGA>(record);
  ASSERT_NE(pd, nullptr);
  PRINTDLGA expected;
  memset(&expected, 0, sizeof expected);
  expected.lStructSize = sizeof expected;
  expected.Flags = 0x100;  // PD_RETURNDC
  expected.nFromPage = expected.nToPage = expected.nMinPage = expected.nCopies = 1;
  expected.nMaxPage = 9999;
  EXPECT_EQ(memcmp(pd, &expected, sizeof expected), 0) << "every other field, handles and hooks, is zero";
}

TEST_F(Printer, OpeningAgainRefillsTheSameRecord) {
  ovRef printer = ov::make("Printer"_cls).take();
  ov::tell(ov::send<0>("Open"_sel, printer));
  ovRef record = ov::get("Print Record"_attr, printer);
  auto* pd = ov::recordMemory<PRINTDLGA>(record);
  ASSERT_NE(pd, nullptr);
  pd->nCopies = 7;
  pd->lCustData = 42;
  ov::tell(ov::send<0>("Open"_sel, printer));
  EXPECT_EQ(ov::get("Print Record"_attr, printer).get(), record.get());
  EXPECT_EQ(pd->nCopies, 1);
  EXPECT_EQ(pd->lCustData, 0);
  ov::tell(ov::send<0>("Close"_sel, printer));
  EXPECT_EQ(ov::get("Print Record"_attr, printer).get(), nullptr);
}

TEST_F(Printer, ThePrinterDcOwnsOneDeviceContextAtATime) {
  ovRef printer = ov::make("Printer"_cls).take();
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  auto setDc = [&](HDC dc) {
    ov::tell(ov::send<0>("Set Printer DC"_sel, printer, {dc ? ov::handleValue(dc) : ovRef()}));
  };
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
  ov::tell(ov::send<0>("Close"_sel, printer));
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
    ovRef file = ov::make("File"_cls).take();
    if (!path.empty()) ov::set("File Specification"_attr, file, ov::text(path));
    return file;
  }

  HWND owner_ = nullptr;
  std::vector<std::string> made_;
};

// A path names the file and splits into (folder, file name, whole path); a
// path without a folder has an empty one. A file without a path is untitled.
TEST_F(Files, APathNamesTheFileAndSplitsIntoItsFolderAndFileName) {
  for (const auto& [path, folder, name] : {
           std::tuple{"/tmp/notes.txt", "/tmp/", "notes.txt"},
           std::tuple{"C:\\golden\\ratio.txt", "C:\\golden\\", "ratio.txt"},
           std::tuple{"notes.txt", "", "notes.txt"},
       }) {
    auto parts = ov::send<3>("Extract Specification"_sel, FileAt(path));
    EXPECT_EQ(ov::chars(parts.get(0)), folder) << path;
    EXPECT_EQ(ov::chars(parts.get(1)), name) << path;
    EXPECT_EQ(ov::chars(parts.get(2)), path);
    EXPECT_EQ(ov::chars(ov::send("Get Name"_sel, FileAt(path)).get()), path);
  }
  EXPECT_TRUE(ov::send<3>("Extract Specification"_sel, FileAt("")).failed());
  EXPECT_EQ(ov::chars(ov::send("Get Name"_sel, FileAt("")).get()), "Untitled");
}

TEST_F(Files, APlainFileCannotOpenOrClose) {
  ovRef file = FileAt(MakeFile("plain.txt", 0644));
  EXPECT_EQ(ov::send<0>("Open"_sel, file).status, ovFailure);
  EXPECT_EQ(ov::toInt(ov::get("File Reference"_attr, file)), 0) << "it stays closed";
  EXPECT_EQ(ov::send<0>("Close"_sel, file).status, ovSuccess) << "a closed file is closed at once";
  ov::set("File Reference"_attr, file, ov::integer(5));
  EXPECT_EQ(ov::send<0>("Open"_sel, file).status, ovSuccess) << "an open file is open at once";
  EXPECT_EQ(ov::send<0>("Close"_sel, file).status, ovFailure);
}

TEST_F(Files, OnlyAReadOnlyFileIsLocked) {
  auto locked = [](const std::string& path) { return ov::isTrue(ov::send("Get Locked?"_sel, FileAt(path)).get()); };
  EXPECT_TRUE(locked(MakeFile("locked.txt", 0444)));
  EXPECT_FALSE(locked(MakeFile("free.txt", 0644)));
  EXPECT_FALSE(locked(testing::TempDir() + "missing.txt")) << "a file yet to be made can be written";
  EXPECT_FALSE(locked(""));
}

TEST_F(Files, ReadOnlyFilesAskOnlyToRead) {
  ovRef file = FileAt("");
  ov::set("Read Only?"_attr, file, gdDefaultTrue);
  EXPECT_EQ(static_cast<uint32_t>(ov::toInt(ov::send("Get Permission"_sel, file).get())), 0x80000000u);
  ov::set("Read Only?"_attr, file, gdDefaultFalse);
  EXPECT_EQ(static_cast<uint32_t>(ov::toInt(ov::send("Get Permission"_sel, file).get())), 0xC0000000u);
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
  ov::tell(ov::send<0>("Error"_sel, file, {ov::integer(0)}));
  EXPECT_TRUE(shown.empty()) << "no error, no message";
  EXPECT_EQ(ov::get("Last Error"_attr, file).get(), nullptr);

  ov::tell(ov::send<0>("Error"_sel, file, {ov::integer(5)}));
  EXPECT_EQ(shown, "File error number:5");
  EXPECT_EQ(ov::toInt(ov::get("Last Error"_attr, file)), 5);
}

using NamedStrings = FrameworkTest;

TEST_F(NamedStrings, ANameGivesItsStringOrItself) {
  EXPECT_TRUE(
      ov::textEquals(ov::universal("Get Named String"_uni, {nullptr, ov::text("Untitled_Str")}).get(), "Untitled"));
  EXPECT_TRUE(ov::textEquals(ov::universal("Get Named String"_uni, {nullptr, ov::text("Undo")}).get(), "Undo"));
  EXPECT_TRUE(ov::textEquals(ov::universal("Get String"_uni, {ov::text("notes")}).get(), "notes"));
  EXPECT_TRUE(ov::textEquals(ov::universal("Get String"_uni, {ov::integer(1)}).get(), "Untitled"));
}

}  // namespace
