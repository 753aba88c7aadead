// The committed skin is the generator's output: regenerating it must give the
// same files, byte for byte, and no more and no fewer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "SkinFiles.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::vector<uint8_t>> FolderContents(const fs::path& folder) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), folder).generic_string()] =
          SkinFiles::ReadBytes(entry.path());
  return files;
}

class GeneratedSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    Out = fs::temp_directory_path() / ("skingen-test-" + std::to_string(::getpid()));
    fs::remove_all(Out);
    std::string command = std::string("\"") + SKINGEN_EXE + "\" \"" + Out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  void TearDown() override { fs::remove_all(Out); }

  void ExpectSameFolder(const std::string& name) {
    auto generated = FolderContents(Out / name);
    auto committed = FolderContents(SkinFiles::SourceDir() / "skins" / name);
    ASSERT_FALSE(generated.empty());
    for (const auto& [file, bytes] : generated) {
      auto it = committed.find(file);
      if (it == committed.end())
        ADD_FAILURE() << name << "/" << file << " is generated but not committed";
      else
        EXPECT_TRUE(it->second == bytes)
            << name << "/" << file << " differs from the generator's output; run skingen skins";
    }
    for (const auto& [file, bytes] : committed)
      EXPECT_TRUE(generated.count(file))
          << name << "/" << file << " is committed but not generated";
  }

  fs::path Out;
};

TEST_F(GeneratedSkin, CommittedSkinMatchesGenerator) {
  ExpectSameFolder("default");
}

TEST_F(GeneratedSkin, CommittedResourcesMatchGenerator) {
  ExpectSameFolder("resources");
}

}  // namespace
