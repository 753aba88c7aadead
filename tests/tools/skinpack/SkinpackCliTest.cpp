// Runs the skinpack program as a skin author would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& Path, const std::string& Text) {
  std::ofstream(Path, std::ios::binary) << Text;
}

void WriteBytes(const fs::path& Path, const TBytes& Bytes) {
  std::ofstream(Path, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()),
             static_cast<std::streamsize>(Bytes.size()));
}

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

class SkinpackCli : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() /
           ("skinpack-test-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Root);
    fs::create_directories(Root);
  }
  void TearDown() override { fs::remove_all(Root); }

  TRun Run(const std::string& Args) {
    const fs::path out = Root / "stdout.txt", err = Root / "stderr.txt";
    const std::string command = std::string("'") + SKINPACK_PATH + "' " + Args + " >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    TRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(out), ReadText(err)};
    fs::remove(out);
    fs::remove(err);
    return run;
  }

  std::string Quoted(const fs::path& Path) { return "'" + Path.string() + "'"; }

  fs::path Root;
};

}  // namespace

TEST_F(SkinpackCli, PackListUnpackRoundTrip) {
  const fs::path in = Root / "in";
  fs::create_directories(in / "sub");
  WriteText(in / "Title.BMP", std::string(3000, 'T'));
  WriteText(in / "skin.ini", "[Form]\r\nName=x\r\n");
  WriteText(in / "a.bmp", "");
  const fs::path skin = Root / "out.skn";

  const TRun pack = Run("pack " + Quoted(in) + " " + Quoted(skin));
  ASSERT_EQ(pack.Status, 0) << pack.Err;
  EXPECT_NE(pack.Err.find("sub"), std::string::npos);  // the sub-folder is mentioned

  TSkinReader reader;
  const std::string blob = ReadText(skin);
  ASSERT_TRUE(reader.LoadArchive(TBytes(blob.begin(), blob.end())));
  EXPECT_EQ(reader.Version(), 50000u);

  const TRun list = Run("list " + Quoted(skin));
  ASSERT_EQ(list.Status, 0) << list.Err;
  EXPECT_EQ(list.Out, "0\ta.bmp\n16\tskin.ini\n3000\ttitle.bmp\n");

  const fs::path out = Root / "unpacked";
  const TRun unpack = Run("unpack " + Quoted(skin) + " " + Quoted(out));
  ASSERT_EQ(unpack.Status, 0) << unpack.Err;
  EXPECT_EQ(ReadText(out / "title.bmp"), std::string(3000, 'T'));
  EXPECT_EQ(ReadText(out / "skin.ini"), "[Form]\r\nName=x\r\n");
  EXPECT_TRUE(fs::exists(out / "a.bmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 3);
}

TEST_F(SkinpackCli, PackRefusesNamesTheReaderCannotTellApart) {
  const fs::path in = Root / "in";
  fs::create_directories(in);
  WriteText(in / "a.bmp", "1");
  WriteText(in / "A.bmp", "2");
  const TRun pack = Run("pack " + Quoted(in) + " " + Quoted(Root / "out.skn"));
  EXPECT_EQ(pack.Status, 1);
  EXPECT_NE(pack.Err.find("differ only in case"), std::string::npos) << pack.Err;
  EXPECT_FALSE(fs::exists(Root / "out.skn"));
}

TEST_F(SkinpackCli, UnrecognisedVersionSaysSo) {
  TBytes archive = TSkinArchiveBuilder().Build(20000);
  archive[0] = 0x10;  // version 10000
  archive[1] = 0x27;
  WriteBytes(Root / "old.skn", TLZHEncoder::CompressBlob(archive));
  const TRun list = Run("list " + Quoted(Root / "old.skn"));
  EXPECT_EQ(list.Status, 1);
  EXPECT_EQ(list.Out, "");
  EXPECT_NE(list.Err.find("unrecognised skin archive version 10000"), std::string::npos)
      << list.Err;
}

TEST_F(SkinpackCli, UsageErrors) {
  EXPECT_EQ(Run("").Status, 2);
  EXPECT_EQ(Run("frobnicate x").Status, 2);
  EXPECT_EQ(Run("list").Status, 2);
  const TRun missing = Run("list " + Quoted(Root / "missing.skn"));
  EXPECT_EQ(missing.Status, 1);
  EXPECT_NE(missing.Err.find("missing.skn"), std::string::npos);
}

TEST_F(SkinpackCli, UnpackNeverWritesOutsideItsFolder) {
  TSkinArchiveBuilder builder;
  for (const char* name : {"../escape", "/tmp/absolute", "..\\win", "c:drive", "..", "", "dup",
                           "DUP", "nested/dir/file"})
    builder.Add(name, TBytes{'x'});
  WriteBytes(Root / "hostile.skn", builder.BuildCompressed());
  const fs::path out = Root / "box" / "out";
  fs::create_directories(out);

  const TRun unpack = Run("unpack " + Quoted(Root / "hostile.skn") + " " + Quoted(out));
  ASSERT_EQ(unpack.Status, 0) << unpack.Err;
  EXPECT_FALSE(fs::exists(Root / "box" / "escape"));
  EXPECT_FALSE(fs::exists(Root / "escape"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Root / "box"), fs::directory_iterator()), 1);
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(out)) {
    EXPECT_TRUE(entry.is_regular_file());
    written.insert(entry.path().filename().string());
  }
  EXPECT_EQ(written, (std::set<std::string>{".._escape", "_tmp_absolute", ".._win", "c_drive",
                                            "_..", "_", "dup", "dup~2", "nested_dir_file"}));
}

TEST_F(SkinpackCli, UnpackRefusesToFollowALinkInItsFolder) {
  TSkinArchiveBuilder builder;
  builder.Add("target.bmp", TBytes{'x'});
  WriteBytes(Root / "skin.skn", builder.BuildCompressed());
  const fs::path out = Root / "out";
  fs::create_directories(out);
  WriteText(Root / "outside.txt", "keep");
  fs::create_symlink(Root / "outside.txt", out / "target.bmp");

  const TRun unpack = Run("unpack " + Quoted(Root / "skin.skn") + " " + Quoted(out));
  EXPECT_EQ(unpack.Status, 1);
  EXPECT_EQ(ReadText(Root / "outside.txt"), "keep");
}

TEST_F(SkinpackCli, UnpackReportsEntriesOutsideTheData) {
  // One good entry, one whose size runs past the data area.
  TBytes archive = TSkinArchiveBuilder().Build(20000);
  const std::string names = "good\r\nbad\r\n";
  archive[4] = static_cast<std::uint8_t>(names.size());
  archive.insert(archive.end(), names.begin(), names.end());
  for (std::uint8_t b : {2, 0, 0, 0, 99, 0, 0, 0}) archive.push_back(b);
  archive.push_back('o');
  archive.push_back('k');
  WriteBytes(Root / "damaged.skn", TLZHEncoder::CompressBlob(archive));

  const TRun list = Run("list " + Quoted(Root / "damaged.skn"));
  EXPECT_EQ(list.Out, "2\tgood\n99\tbad\n");
  const TRun unpack = Run("unpack " + Quoted(Root / "damaged.skn") + " " + Quoted(Root / "out"));
  EXPECT_EQ(unpack.Status, 1);
  EXPECT_NE(unpack.Err.find("\"bad\""), std::string::npos) << unpack.Err;
  EXPECT_EQ(ReadText(Root / "out" / "good"), "ok");
  EXPECT_FALSE(fs::exists(Root / "out" / "bad"));
}

// The build puts the program's skin into the main window's form description
// with "embed"; "extract" takes it out again for checking.
TEST_F(SkinpackCli, EmbedPutsTheSkinIntoAFormDescriptionAndExtractTakesItOut) {
  const fs::path in = Root / "in";
  fs::create_directories(in);
  WriteText(in / "skin.ini", "[Form]\r\nName=x\r\n");
  WriteText(in / "a.bmp", std::string(5000, 'a'));
  const fs::path skin = Root / "skin.skn";
  ASSERT_EQ(Run("pack " + Quoted(in) + " " + Quoted(skin)).Status, 0);

  const fs::path form = Root / "form.in";
  WriteText(form,
            "object Form1: TForm1\n  object SkinData1: TSkinData\n    Active = True\n"
            "    @SKINSTREAM@\n  end\nend\n");
  const fs::path embedded = Root / "form.txt";
  const TRun embed = Run("embed " + Quoted(form) + " " + Quoted(skin) + " " + Quoted(embedded));
  ASSERT_EQ(embed.Status, 0) << embed.Err;
  const std::string text = ReadText(embedded);
  EXPECT_NE(text.find("    SkinStream = {\n      "), std::string::npos);
  EXPECT_EQ(text.find("@SKINSTREAM@"), std::string::npos);
  EXPECT_NE(text.find("    Active = True\n"), std::string::npos);

  const fs::path back = Root / "back.skn";
  const TRun extract = Run("extract " + Quoted(embedded) + " " + Quoted(back));
  ASSERT_EQ(extract.Status, 0) << extract.Err;
  EXPECT_EQ(ReadText(back), ReadText(skin));
}

TEST_F(SkinpackCli, EmbedAndExtractRefuseWhatTheyCannotDo) {
  const fs::path in = Root / "in";
  fs::create_directories(in);
  WriteText(in / "skin.ini", "[Form]\r\n");
  const fs::path skin = Root / "skin.skn";
  ASSERT_EQ(Run("pack " + Quoted(in) + " " + Quoted(skin)).Status, 0);

  const fs::path noPlace = Root / "none.in";
  WriteText(noPlace, "object Form1: TForm1\nend\n");
  const fs::path out = Root / "out.txt";
  EXPECT_EQ(Run("embed " + Quoted(noPlace) + " " + Quoted(skin) + " " + Quoted(out)).Status, 1);
  EXPECT_FALSE(fs::exists(out));

  // Not a skin: nothing is embedded.
  const fs::path withPlace = Root / "form.in";
  WriteText(withPlace, "object Form1: TForm1\n  @SKINSTREAM@\nend\n");
  EXPECT_EQ(Run("embed " + Quoted(withPlace) + " " + Quoted(noPlace) + " " + Quoted(out)).Status,
            1);
  EXPECT_FALSE(fs::exists(out));

  EXPECT_EQ(Run("extract " + Quoted(noPlace) + " " + Quoted(out)).Status, 1);
  const fs::path shortStream = Root / "short.txt";
  WriteText(shortStream, "object Form1: TForm1\n  SkinStream = {10000000AABB}\nend\n");
  const TRun truncated = Run("extract " + Quoted(shortStream) + " " + Quoted(out));
  EXPECT_EQ(truncated.Status, 1);
  EXPECT_NE(truncated.Err.find("shorter"), std::string::npos);
}
