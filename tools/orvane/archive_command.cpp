// orvane archive: compiles the archive text form into an archive block, and
// prints an archive block back in the text form. Class and external type
// numbers come from the tables of the program this tool is linked with.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/tables/header.h"
#include "tools/archive/archive_text.h"
#include "tools/orvane/command.h"

namespace {

bool readFile(const char* path, std::string* contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  contents->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool writeFile(const char* path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

int build(const char* source, const char* output) {
  std::string text;
  if (!readFile(source, &text)) {
    std::fprintf(stderr, "orvane archive build: cannot read %s\n", source);
    return kOrvaneInputFailed;
  }
  std::vector<unsigned char> block;
  std::string error;
  if (!ovBuildArchive(text, &block, &error)) {
    std::fprintf(stderr, "%s: %s\n", source, error.c_str());
    return kOrvaneInputFailed;
  }
  if (!writeFile(output, block)) {
    std::fprintf(stderr, "orvane archive build: cannot write %s\n", output);
    return kOrvaneInputFailed;
  }
  return kOrvaneSuccess;
}

// Prints what the block holds even when it is damaged; the faults go to the
// error output.
int dump(const char* path) {
  std::string bytes;
  if (!readFile(path, &bytes)) {
    std::fprintf(stderr, "orvane archive dump: cannot read %s\n", path);
    return kOrvaneInputFailed;
  }
  std::string text, error;
  bool sound = ovDumpArchive(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &text, &error);
  std::fwrite(text.data(), 1, text.size(), stdout);
  if (sound) return kOrvaneSuccess;
  std::fprintf(stderr, "%s: the archive is damaged or names what the tables lack:\n%s", path, error.c_str());
  return kOrvaneInputFailed;
}

int usage() {
  std::fputs("usage: orvane archive build SOURCE -o OUTPUT | orvane archive dump FILE\n", stderr);
  return kOrvaneUsageError;
}

int runWithTables(int argc, char** argv) {
  std::string_view action = argc > 0 ? argv[0] : "";
  if (action == "build" && argc == 4 && std::string_view(argv[2]) == "-o") return build(argv[1], argv[3]);
  if (action == "dump" && argc == 2) return dump(argv[1]);
  return usage();
}

int run(int argc, char** argv) {
  RTHeader::Initialize();
  int status = runWithTables(argc, argv);
  RTHeader::Release();
  return status;
}

}  // namespace

extern const OrvaneCommand orvaneCommand_archive = {
    "archive",
    "build SOURCE -o OUTPUT | dump FILE",
    "    build: compiles an archive written in the text form (resources/README.md)\n"
    "    into the binary archive the program loads.\n"
    "    dump: prints a binary archive in the text form; building that text gives\n"
    "    the same bytes back. A damaged archive is printed as far as it is valid,\n"
    "    its faults go to the error output, and the exit status is 1.\n",
    run,
};
