// The driver's screenshots, which only the Linux program takes.
#include <gtest/gtest.h>

#include <string>

#include "program_runner.h"

namespace {

// The driver's pictures are the end-to-end test's references: each
// reference script, run again, draws its picture to the byte.
TEST(Screenshot, TheReferenceScriptsDrawTheReferencePictures) {
  for (const char* name : {"initial", "after-go", "keyboard", "menu-open"}) {
    std::string reference = std::string(VELMARO_REFERENCE_DIR) + "/" + name;
    std::string shot = testing::TempDir() + name + ".png";
    std::string script = ReadFile(reference + ".script");
    script.replace(script.find("screenshot "), std::string::npos, "screenshot " + shot + "\n");
    ProgramRun run = RunVelmaroScript(script);
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    EXPECT_TRUE(ReadFile(shot) == ReadFile(reference + ".png")) << name << ".png differs from its reference";
  }
}

TEST(Screenshot, AFileThatCannotBeWrittenIsRefused) {
  ProgramRun run = RunVelmaroScript("screenshot /nonexistent/shot.png\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "velmaro: script line 1: cannot write \"/nonexistent/shot.png\"\n");
}

}  // namespace
