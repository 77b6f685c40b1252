// The asset generator: the same inputs give the same bytes, every time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "ImageProbe.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::vector<unsigned char>> ReadTree(const fs::path& root) {
  std::map<std::string, std::vector<unsigned char>> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = ReadBytes(entry.path().string());
  }
  return files;
}

int RunGenerator(const fs::path& out, const std::string& extra = "") {
  std::string cmd = std::string("\"") + ORVANE_ASSETGEN + "\" \"" + out.string() + "\" \"" + ORVANE_SOURCE_RESOURCES +
                    "\" " + extra + " > /dev/null";
  return std::system(cmd.c_str());
}

TEST(AssetGenerator, TwoRunsWriteTheSameBytes) {
  fs::path base = fs::temp_directory_path() / ("orvane-assetgen-" + std::to_string(::getpid()));
  fs::remove_all(base);
  // The first run also leaves the review sheet among the build's artifacts.
  fs::create_directories("artifacts");
  ASSERT_EQ(0, RunGenerator(base / "a", "--contact-sheet artifacts/contact-sheet.png"));
  ASSERT_EQ(0, RunGenerator(base / "b"));
  auto a = ReadTree(base / "a"), b = ReadTree(base / "b");
  EXPECT_GE(a.size(), 124u);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    auto it = b.find(name);
    ASSERT_NE(b.end(), it) << name;
    EXPECT_TRUE(bytes == it->second) << name << " differs between runs";
  }
  fs::remove_all(base);
}

TEST(AssetGenerator, NeedsBothFoldersAndFailsWithoutThem) {
  std::string cmd = std::string("\"") + ORVANE_ASSETGEN + "\" > /dev/null";
  EXPECT_NE(0, std::system(cmd.c_str()));
}

}  // namespace
