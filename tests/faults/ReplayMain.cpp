// Feeds files to a fuzz target outside libFuzzer: the seed corpus and every
// input that once crashed it are replayed by the normal and sanitizer builds.
// Usage: <replay> DIR_OR_FILE...
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    fs::path p = fs::absolute(argv[i]);
    if (fs::is_directory(p)) {
      for (const fs::directory_entry& e : fs::directory_iterator(p)) {
        if (e.is_regular_file()) inputs.push_back(e.path());
      }
    } else if (fs::exists(p)) {
      inputs.push_back(p);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  // Read every input before the rig moves into its scratch folder.
  std::vector<std::string> contents;
  for (const fs::path& p : inputs) {
    std::ifstream in(p, std::ios::binary);
    contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  LLVMFuzzerInitialize(&argc, &argv);
  for (size_t i = 0; i < inputs.size(); ++i) {
    std::printf("replaying %s\n", inputs[i].filename().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(contents[i].data()), contents[i].size());
  }
  rig::Quit();
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
