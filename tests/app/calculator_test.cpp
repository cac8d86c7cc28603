// The calculator as its scripted driver runs it: the values the two rows
// show after "Go", checked against the golden-section formula worked out
// here, on their own, for a few hundred inputs and the edge cases.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "golden_formula.h"
#include "program_runner.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(Calculator, BothRowsAgreeWithTheFormulaOverManyValues) {
  std::mt19937 random(20261206);
  std::vector<long long> values = {0, 1, 2, 3, 61, 62, 100, 101, 999, 1000, 4096, 65535, 1000000, 2147483647};
  std::uniform_int_distribution<long long> anyValue(0, 99999999);
  while (values.size() < 300) values.push_back(anyValue(random));
  std::string script;
  for (long long v : values)
    script += "set C1 " + std::to_string(v) + "\nclick Go1\nprint B1\nprint A1\nset B2 " + std::to_string(v) +
              "\nclick Go2\nprint A2\nprint C2\n";
  ProgramRun run = RunVelmaroScript(script);
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> got = lines(run.out);
  ASSERT_EQ(got.size(), 4 * values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    SCOPED_TRACE("value " + std::to_string(values[i]));
    golden::Row1 r1 = golden::row1(static_cast<double>(values[i]));
    golden::Row2 r2 = golden::row2(static_cast<double>(values[i]));
    EXPECT_EQ(got[4 * i], "B1\t" + r1.larger);
    EXPECT_EQ(got[4 * i + 1], "A1\t" + r1.smaller);
    EXPECT_EQ(got[4 * i + 2], "A2\t" + r2.smaller);
    EXPECT_EQ(got[4 * i + 3], "C2\t" + r2.whole);
  }
}

TEST(Calculator, ABadScriptIsRefusedWithItsLineAndStatusTwo) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"print C1\n\n# a comment\nfly away\n", "velmaro: script line 4: unknown command \"fly\"\n"},
      {"click Go3\n", "velmaro: script line 1: no item is named \"Go3\"\n"},
      {"key Ctrl+Banana\n", "velmaro: script line 1: unknown key \"Banana\"\n"},
      {"key Alt+F\nkey x\nprint C1\n", "velmaro: script line 3: the program ended before it\n"},
      {"click\n", "velmaro: script line 1: an item name is missing\n"},
      {"set\n", "velmaro: script line 1: an item name is missing\n"},
      {"key\n", "velmaro: script line 1: key takes one key or chord\n"},
      {"key Tab Tab\n", "velmaro: script line 1: key takes one key or chord\n"},
      {"key F13\n", "velmaro: script line 1: unknown key \"F13\"\n"},
      {"key Ctrl+\n", "velmaro: script line 1: unknown key \"Ctrl+\"\n"},
      {"screenshot\n", "velmaro: script line 1: screenshot takes a file name\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = RunVelmaroScript(c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.err, c.message) << c.script;
  }
}

TEST(Calculator, HelpListsTheOptionsAndUnknownOnesAreRefused) {
  ProgramRun help = RunVelmaro("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--script FILE"), std::string::npos);
  ProgramRun unknown = RunVelmaro("--frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("Usage: velmaro"), std::string::npos);
  ProgramRun missing = RunVelmaro("--script /nonexistent/script");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "velmaro: cannot read the script \"/nonexistent/script\"\n");
}

// Runs whose printed lines show one behaviour each.
TEST(Calculator, ScriptsPrintWhatTheItemsShow) {
  const struct {
    const char* behaviour;
    const char* script;
    const char* printed;
  } cases[] = {
      {"it opens with the archived values and their results",
       "print C1\nprint B1\nprint A1\nprint B2\nprint A2\nprint C2\n",
       "C1\t100\nB1\t62\nA1\t38\nB2\t62\nA2\t38\nC2\t100\n"},
      {"numbers beyond thirty-two bits never wrap", "set C1 9999999999\nclick Go1\nprint B1\nprint A1\n",
       "B1\t6180498999.0\nA1\t3819856789.0\n"},
      {"an empty or zero entry shows zero and leaves nothing stale",
       "set C1 1\nclick Go1\nprint B1\nprint A1\nset C1\nclick Go1\nprint B1\nprint A1\n"
       "set C1 000\nclick Go1\nprint B1\nprint A1\n",
       "B1\t1\nA1\t0\nB1\t0\nA1\t0\nB1\t0\nA1\t0\n"},
      {"the edit texts take digits only", "set C1 -1.5x2\nprint C1\n", "C1\t152\n"},
      // Before Shift+Tab both rows hold new entries (2000 and 500) that no
      // "Go" has taken yet, so the rows show which button Space pressed.
      {"the keyboard alone works the rows and the menu; Shift+Tab and Space press the first Go",
       "key Home\nkey Shift+End\ntype 200\nkey Enter\nprint B1\nprint A1\nkey End\ntype 0\n"
       "key Tab\nkey Tab\ntype 50\nkey Enter\nprint A2\nprint C2\n"
       "type 0\nkey Shift+Tab\nkey Space\nprint B1\nprint A1\nprint A2\nprint C2\nkey Alt+F\nkey x\n",
       "B1\t124\nA1\t76\nA2\t31\nC2\t81\nB1\t1236\nA1\t764\nA2\t31\nC2\t81\n"},
      {"a clicked Go takes the focus, and the keys start from it",
       "click Go1\nkey Tab\ntype 50\nkey Enter\nprint A2\nprint C2\n", "A2\t31\nC2\t81\n"},
      {"a shown result has no window of its own: a click on it leaves the focus in the edit text",
       "set C1 20\nclick B1\ntype 0\nkey Enter\nprint C1\nprint B1\n", "C1\t200\nB1\t124\n"},
      {"an item without a text value shows its title", "print Go1\n", "Go1\tGo\n"},
  };
  for (const auto& c : cases) {
    ProgramRun run = RunVelmaroScript(c.script);
    EXPECT_EQ(run.status, 0) << c.behaviour << ": " << run.err;
    EXPECT_EQ(run.out, c.printed) << c.behaviour;
  }
}

}  // namespace
