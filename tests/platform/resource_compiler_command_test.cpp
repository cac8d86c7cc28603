// The resource compiler as the build runs it: a manifest in, a C++ source
// or a resource script with its data files out, and at the first fault a
// message naming the file and line, a failing status and no output.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ResourceCompilerCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("velmaro_rc_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }

  std::string read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs the compiler with these arguments; answers its exit status and
  // keeps what it said in said_.
  int run(const std::string& arguments) {
    std::string command = std::string(VELMARO_RC) + " " + arguments + " 2>" + (dir_ / "said.txt").string();
    int status = std::system(command.c_str());
    said_ = read("said.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::string said_;
};

const std::string kSampleDialog = std::string(VELMARO_TEST_RESOURCES) + "/sample.dlg";

TEST_F(ResourceCompilerCommand, EachFaultIsNamedWithItsLineAndNothingIsWritten) {
  const struct {
    const char* name;
    std::string manifest;
    std::map<std::string, std::string> files;
    std::string said;
  } table[] = {
      {"a missing file", "RCDATA 1 nothing.bin\n", {}, "line 1: cannot read"},
      {"an icon that is no .ico file", "# icons\nICON 1 data.bin\n", {{"data.bin", "xyz"}}, "is not an .ico file"},
      {"a missing string table", "STRING none.txt\n", {}, "line 1: cannot read"},
      {"a bad string table", "STRING bad.txt\n", {{"bad.txt", "x\n"}}, "line 1: "},
      {"one block in two tables",
       "STRING a.txt\nSTRING b.txt\n",
       {{"a.txt", "1\tone\n"}, {"b.txt", "2\ttwo\n"}},
       "line 2: strings of block 1 come from two string tables"},
      {"a missing dialog source", "DIALOG 1 none.dlg\n", {}, "line 1: cannot read"},
      {"a bad dialog source", "DIALOG 1 bad.dlg\n", {{"bad.dlg", "nonsense\n"}}, "line 1: "},
      {"a bad manifest line", "RCDATA\n", {}, "line 1"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    write("manifest", row.manifest);
    for (const auto& [name, text] : row.files) write(name, text);
    EXPECT_EQ(run(path("manifest") + " " + path("out.cpp")), 1);
    EXPECT_NE(said_.find(row.said), std::string::npos) << said_;
    EXPECT_FALSE(fs::exists(dir_ / "out.cpp"));
  }
}

TEST_F(ResourceCompilerCommand, WrongArgumentsAndAMissingManifestFail) {
  EXPECT_EQ(run(""), 2);
  EXPECT_NE(said_.find("usage: velmaro_rc"), std::string::npos) << said_;
  EXPECT_EQ(run(path("none") + " " + path("out.cpp")), 1);
  EXPECT_NE(said_.find("cannot read the manifest"), std::string::npos) << said_;
}

TEST_F(ResourceCompilerCommand, WritesASourceOrAScriptWithEachDataFileOnce) {
  write("manifest", "RCDATA 1 data.bin\nRCDATA Again data.bin\nSTRING a.txt\nDIALOG 100 " + kSampleDialog + "\n");
  write("data.bin", "payload");
  write("a.txt", "1\tone\n");
  ASSERT_EQ(run(path("manifest") + " " + path("out.cpp")), 0) << said_;
  EXPECT_NE(read("out.cpp").find("Again"), std::string::npos);
  fs::create_directories(dir_ / "elsewhere");
  fs::rename(dir_ / "manifest", dir_ / "elsewhere" / "manifest");
  ASSERT_EQ(run("--base " + dir_.string() + " --rc " + path("elsewhere/manifest") + " " + path("out.rc")), 0) << said_;
  EXPECT_EQ(read("out.rc-0.bin"), "payload");
  EXPECT_TRUE(fs::exists(dir_ / "out.rc-2.bin"));
  EXPECT_FALSE(fs::exists(dir_ / "out.rc-3.bin"));
  EXPECT_NE(read("out.rc").find("out.rc-0.bin"), std::string::npos);
  EXPECT_EQ(run("--base " + dir_.string() + " " + path("elsewhere/manifest") + " " + path("missing/out.cpp")), 1);
}

}  // namespace
