// Runs "skinpack inspect" on skins built here and reads what it prints.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/portable/BmpEncoder.h"

namespace fs = std::filesystem;

namespace {

struct TInspectRun {
  int Status;
  std::string Out;
};

class SkinpackInspect : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin = fs::temp_directory_path() / ("skinpack-inspect-" + std::to_string(getpid()) + ".skn");
  }
  void TearDown() override { fs::remove(Skin); }

  void Write(const TSkinArchiveBuilder& Builder) {
    const TBytes blob = Builder.BuildCompressed();
    std::ofstream(Skin, std::ios::binary)
        .write(reinterpret_cast<const char*>(blob.data()),
               static_cast<std::streamsize>(blob.size()));
  }

  TInspectRun Inspect(const std::string& Options) { return InspectPath(Skin, Options); }
  TInspectRun InspectPath(const fs::path& Path, const std::string& Options) {
    const std::string command =
        std::string("'") + SKINPACK_PATH + "' inspect '" + Path.string() + "' " + Options + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
  }

  fs::path Skin;
};

TBytes Bmp(int Width, int Height) {
  return BmpEncoder::Encode24(TPixelBuffer(Width, Height, 0x808080));
}
TBytes Text(const std::string& Text) {
  return TBytes(Text.begin(), Text.end());
}

bool Has(const std::string& Out, const std::string& Part) {
  return Out.find(Part) != std::string::npos;
}

}  // namespace

TEST_F(SkinpackInspect, JsonShowsTheLoadedSkin) {
  TSkinArchiveBuilder builder;
  builder.Add("Fern.ini", Text("[TitlebarSkin]\r\nSkinName=Fern\r\n[Colours]\r\nHilight=1 2 255\r\n"
                               "[MenuItem]\r\nImage=Skin\\Item.bmp\r\n[Button.Min]\r\nAction=2\r\n"
                               "ButtonImage=min.bmp\r\n[Colour7]\r\ncolor=0,0,16\r\n"));
  builder.Add("item.bmp", Bmp(50, 9));
  builder.Add("min.bmp", Bmp(36, 12));
  Write(builder);
  const TInspectRun run = Inspect("--json");
  ASSERT_EQ(run.Status, 0) << run.Out;
  EXPECT_TRUE(Has(run.Out, "\"Name\": \"Fern\"")) << run.Out;
  EXPECT_TRUE(Has(run.Out, "\"Hilight\": \"#0102FF\""));
  EXPECT_TRUE(Has(run.Out, "\"WindowText\": \"#000000\""));  // the fixed scheme resolved
  EXPECT_TRUE(Has(run.Out, "\"NumberedColors\": [\n    \"#000010\"\n  ]"));
  EXPECT_TRUE(Has(run.Out, "\"MenuItem\": {\n      \"Class\": \"TDataSkinObject\""));
  EXPECT_TRUE(Has(run.Out, "\"Image\": [50, 9]"));
  EXPECT_TRUE(Has(run.Out, "\"TRACK\": {"));  // the program's own track bitmaps
  EXPECT_TRUE(Has(run.Out, "\"Image\": [16, 4]"));
  EXPECT_TRUE(Has(run.Out, "\"ElementName\": \"BUTTON.MIN\",\n      \"Action\": 2"));
  EXPECT_TRUE(Has(run.Out, "\"FrameCount\": 3,\n      \"Image\": [36, 12]"));
  EXPECT_TRUE(Has(run.Out, "\"RadioButtonFrame\": 4"));

  const TInspectRun text = Inspect("");
  ASSERT_EQ(text.Status, 0);
  EXPECT_TRUE(Has(text.Out, "Name: Fern\n"));
  EXPECT_TRUE(Has(text.Out, "  [MenuItem]\n    Class = TDataSkinObject\n"));
}

TEST_F(SkinpackInspect, RefusesWhatTheProgramRefuses) {
  TBytes archive = TSkinArchiveBuilder().Build(20000);
  archive[0] = 0x10;  // version 10000
  archive[1] = 0x27;
  const TBytes blob = TLZHEncoder::CompressBlob(archive);
  std::ofstream(Skin, std::ios::binary)
      .write(reinterpret_cast<const char*>(blob.data()), static_cast<std::streamsize>(blob.size()));
  const TInspectRun run = Inspect("--json");
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(Has(run.Out, "Older Skin File")) << run.Out;
  EXPECT_FALSE(Has(run.Out, "\"Name\""));
  EXPECT_EQ(Inspect("--yaml").Status, 2);
}

// The tool and the program load a skin through the same code, so the lines
// it prints are the findings' own, for a folder as for a packed skin.
TEST_F(SkinpackInspect, PrintsTheFindingsOfAFolderOrFileAsTheProgramFindsThem) {
  const fs::path folder = Skin.string() + ".d";
  fs::create_directories(folder);
  std::ofstream(folder / "Fern.ini")
      << "[Buttons]\r\nBitmap=gone.bmp\r\nTile=3\r\n[Colours]\r\nMenu=\"x\"\r\n";
  const TInspectRun text = InspectPath(folder, "");
  const TInspectRun json = InspectPath(folder, "--json");

  static const TFixedSkinSystem system(FW_SKIN_RESOURCE_DIR);
  SetSkinSystem(&system);
  TParsedSkin skin;
  TSkinFindings findings;
  ASSERT_TRUE(LoadSkinFromFolder(folder, skin, &findings));
  SetSkinSystem(nullptr);
  ASSERT_EQ(findings.Count(), 3u);

  ASSERT_EQ(text.Status, 0) << text.Out;
  std::string expected = "\nFindings:\n";
  for (const std::string& line : findings.Lines()) expected += "  " + line + "\n";
  EXPECT_EQ(text.Out.substr(text.Out.rfind("\nFindings:")), expected);
  EXPECT_TRUE(Has(json.Out, "\"Findings\": [\n    \"[Colours] Menu: \\\"\\\"x\\\"\\\" is not a colour"))
      << json.Out;

  TSkinArchiveBuilder builder;
  builder.Add("Fern.ini", Text("[Colours]\r\nMenu=1 2 3\r\n"));
  Write(builder);
  EXPECT_TRUE(Has(Inspect("").Out, "\nFindings: none\n"));
  fs::remove(folder / "Fern.ini");
  EXPECT_EQ(InspectPath(folder, "").Status, 1);
  fs::remove_all(folder);
}
