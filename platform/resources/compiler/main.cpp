// velmaro_rc: compiles a resource manifest into a C++ source, or with --rc
// into a resource script for Windows' resource compilers.
//
//   velmaro_rc [--base DIR] [--rc] MANIFEST OUTPUT
//
// Relative paths in the manifest are taken from DIR (default: the manifest's
// folder). A resource script names its data files, written beside it as
// OUTPUT-N.bin (N counting from 0). A DIALOG whose file ends in .dlg is compiled from its source
// (dialog_source.h); other files are taken byte for byte. Exits non-zero
// with a message naming the file and line at the first fault; the output is
// written only when everything compiled.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

#include "platform/resources/compiler/dialog_source.h"
#include "platform/resources/compiler/manifest.h"
#include "platform/resources/compiler/rc_writer.h"
#include "platform/resources/compiler/source_writer.h"
#include "platform/resources/compiler/string_table.h"

namespace fs = std::filesystem;
using namespace platform::resources::compiler;

namespace {

struct Compilation {
  std::vector<std::vector<uint8_t>> data;
  std::map<std::string, size_t> dataOfPath;
  std::vector<CompiledResource> resources;
  std::map<uint16_t, int> stringBlockLine;
};

bool readFile(const fs::path& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool isIcoFile(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0;
}

bool addFile(Compilation& c, const ManifestEntry& entry, const fs::path& path, std::string& error) {
  auto [found, added] = c.dataOfPath.emplace(path.string(), c.data.size());
  if (added) {
    c.data.emplace_back();
    if (!readFile(path, c.data.back())) {
      error = "cannot read " + path.string();
      return false;
    }
  }
  if (entry.type.text.empty() && entry.type.number == kTypeGroupIcon && !isIcoFile(c.data[found->second])) {
    error = path.string() + " is not an .ico file";
    return false;
  }
  c.resources.push_back({entry.type, entry.name, found->second});
  return true;
}

bool addStrings(Compilation& c, const ManifestEntry& entry, const fs::path& path, std::string& error) {
  std::ifstream in(path);
  StringTable strings;
  if (!in) error = "cannot read " + path.string();
  else if (!parseStringTable(in, strings, error)) error = path.string() + ": " + error;
  if (!error.empty()) return false;
  for (auto& [block, bytes] : stringBlocks(strings)) {
    if (!c.stringBlockLine.emplace(block, entry.line).second) {
      error = "strings of block " + std::to_string(block) + " come from two string tables";
      return false;
    }
    c.resources.push_back({{kTypeString, ""}, {block, ""}, c.data.size()});
    c.data.push_back(std::move(bytes));
  }
  return true;
}

bool isDialogSource(const ManifestEntry& entry, const fs::path& path) {
  return entry.type.text.empty() && entry.type.number == kTypeDialog && path.extension() == ".dlg";
}

bool addDialog(Compilation& c, const ManifestEntry& entry, const fs::path& path, std::string& error) {
  std::ifstream in(path);
  std::vector<uint8_t> bytes;
  if (!in) error = "cannot read " + path.string();
  else if (!compileDialog(in, bytes, error)) error = path.string() + ": " + error;
  if (!error.empty()) return false;
  c.resources.push_back({entry.type, entry.name, c.data.size()});
  c.data.push_back(std::move(bytes));
  return true;
}

bool compile(const fs::path& manifestPath, const fs::path& base, Compilation& c, std::string& error) {
  std::ifstream manifest(manifestPath);
  std::vector<ManifestEntry> entries;
  if (!manifest) error = "cannot read the manifest";
  else parseManifest(manifest, entries, error);
  for (const ManifestEntry& entry : entries) {
    if (!error.empty()) break;
    fs::path path = fs::path(entry.path).is_absolute() ? fs::path(entry.path) : base / entry.path;
    bool ok = entry.stringTable         ? addStrings(c, entry, path, error)
              : isDialogSource(entry, path) ? addDialog(c, entry, path, error)
                                            : addFile(c, entry, path, error);
    if (!ok) error = "line " + std::to_string(entry.line) + ": " + error;
  }
  return error.empty();
}

bool writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return out.good();
}

bool writeCppSource(const Compilation& c, const fs::path& output) {
  std::ostringstream source;
  writeSource(source, c.data, c.resources);
  return writeFile(output, source.str());
}

bool writeScriptAndData(const Compilation& c, const fs::path& output) {
  std::vector<std::string> dataFiles;
  for (size_t i = 0; i < c.data.size(); ++i) {
    fs::path file = fs::absolute(output).concat("-" + std::to_string(i) + ".bin");
    if (!writeFile(file, std::string(c.data[i].begin(), c.data[i].end()))) return false;
    dataFiles.push_back(file.generic_string());
  }
  std::ostringstream script;
  writeResourceScript(script, dataFiles, c.resources);
  return writeFile(output, script.str());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  fs::path base;
  if (args.size() >= 4 && args[0] == "--base") {
    base = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  bool script = !args.empty() && args[0] == "--rc";
  if (script) args.erase(args.begin());
  if (args.size() != 2) {
    std::cerr << "usage: velmaro_rc [--base DIR] [--rc] MANIFEST OUTPUT\n";
    return 2;
  }
  if (base.empty()) base = fs::path(args[0]).parent_path();
  Compilation compilation;
  std::string error;
  if (!compile(args[0], base, compilation, error)) {
    std::cerr << args[0] << ": " << error << "\n";
    return 1;
  }
  bool written = script ? writeScriptAndData(compilation, args[1]) : writeCppSource(compilation, args[1]);
  return written ? 0 : 1;
}
