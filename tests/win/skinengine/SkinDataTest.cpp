// The skin component: its published defaults, receiving the embedded skin
// from a form description, and loading a skin file.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinMessages.h"
#include "skin/archive/SkinStream.h"
#include "skin/engine/SkinData.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormReader.h"

namespace {

class TSkinHolder : public TComponent {
  FW_CLASS(TSkinHolder)
 public:
  using TComponent::TComponent;
  TSkinData* SkinData1 = nullptr;
};

const TClassInfo& TSkinHolder::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinHolder>("TSkinHolder", &TComponent::StaticClass())
          .Field("SkinData1", &TSkinHolder::SkinData1)
          .Info();
  return info;
}

TBytes SmallSkin(const std::string& Name,
                 std::uint32_t Version = TSkinArchiveBuilder::kCurrentVersion) {
  TSkinArchiveBuilder builder;
  builder.Add("skin.ini", [&] {
    const std::string ini = "[TitlebarSkin]\r\nSkinName=" + Name + "\r\n";
    return TBytes(ini.begin(), ini.end());
  }());
  return builder.BuildCompressed(Version);
}

std::string Hex(const TBytes& Bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : Bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

std::string Description(const TBytes& Property) {
  return "object Holder: TSkinHolder\n  object SkinData1: TSkinData\n    Active = True\n"
         "    SkinStream = {" +
         Hex(Property) + "}\n  end\nend\n";
}

TBytes StreamOf(const TBytes& Blob) {
  TBytes property;
  SkinStream::Write(Blob, property);
  return property;
}

std::string TempPath(const char* Name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "fwk-skindata-" + std::to_string(GetCurrentProcessId()) + Name;
}

}  // namespace

TEST(SkinData, PublishedDefaults) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.GetActive());
  EXPECT_EQ(data.GetDisableTag(), 99);
  EXPECT_TRUE(data.GetOptions() == (TSkinOptions{xoPreview, xoToolbarBK}));
  for (int i = xcMainMenu; i <= xcFastReport; ++i) {
    const auto kind = static_cast<TSkinControlType>(i);
    EXPECT_EQ(data.GetSkinControls().Contains(kind), kind != xcMenuItem && kind != xcFastReport)
        << i;
  }
  EXPECT_EQ(data.GetSkinFormtype(), sfMainform);
  EXPECT_TRUE(data.GetMenuUpdate());
  EXPECT_FALSE(data.GetMenuMerge());
  EXPECT_EQ(data.GetVersion(), "4.72.02.27");
  data.SetVersion("1.0");
  EXPECT_EQ(data.GetVersion(), "4.72.02.27");
  EXPECT_EQ(data.GetSkinStore(), "(none)");
  EXPECT_FALSE(data.SkinLoaded());

  const std::vector<std::string> rows = data.GetSkin3rd();
  ASSERT_EQ(rows.size(), 117u);
  EXPECT_EQ(rows.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  for (const char* twice :
       {"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox", "TWWDBCombobox=Combobox"})
    EXPECT_EQ(std::count(rows.begin(), rows.end(), twice), 2) << twice;
}

TEST(SkinData, EmbeddedStreamIsKeptAndLoadedWhileTheFormIsRead) {
  const TBytes blob = SmallSkin("Slate");
  TSkinHolder holder(nullptr);
  ReadFormDescription(holder, Description(StreamOf(blob)));
  ASSERT_NE(holder.SkinData1, nullptr);
  EXPECT_EQ(holder.SkinData1->SkinBuffer(), blob);
  EXPECT_TRUE(holder.SkinData1->SkinLoaded());
  EXPECT_EQ(holder.SkinData1->Skin().SkinName, "Slate");
  EXPECT_TRUE(holder.SkinData1->GetActive());
  // Embedded or not, the run-time display says none.
  EXPECT_EQ(holder.SkinData1->GetSkinStore(), "(none)");
}

TEST(SkinData, EmptyStreamLeavesNoSkinAndTruncatedStreamIsRefused) {
  TSkinHolder empty(nullptr);
  ReadFormDescription(empty, Description(StreamOf({})));
  ASSERT_NE(empty.SkinData1, nullptr);
  EXPECT_TRUE(empty.SkinData1->SkinBuffer().empty());
  EXPECT_FALSE(empty.SkinData1->SkinLoaded());

  TBytes cut = StreamOf(SmallSkin("Cut"));
  cut.resize(cut.size() - 3);
  TSkinHolder truncated(nullptr);
  EXPECT_ANY_THROW(ReadFormDescription(truncated, Description(cut)));
}

TEST(SkinData, UnknownArchiveVersionIsReportedAndLeavesNoSkin) {
  std::vector<std::string> shown;
  auto previous = SkinMessages::SetHandler([&](const std::string& Text) { shown.push_back(Text); });
  TBytes archive = TSkinArchiveBuilder().Build(20000);
  archive[0] = 0x39;  // 20000 (0x4E20) becomes 20025
  TSkinHolder holder(nullptr);
  ReadFormDescription(holder, Description(StreamOf(TLZHEncoder::CompressBlob(archive))));
  SkinMessages::SetHandler(previous);
  EXPECT_FALSE(holder.SkinData1->SkinLoaded());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], SkinMessages::kOlderSkin);
}

TEST(SkinData, SkinFileReplacesTheBufferAndLoads) {
  const TBytes blob = SmallSkin("FromFile");
  const std::string path = TempPath("file.skn");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(blob.data()), static_cast<std::streamsize>(blob.size()));

  TSkinHolder holder(nullptr);
  ReadFormDescription(holder, Description(StreamOf(SmallSkin("Embedded"))));
  TSkinData& data = *holder.SkinData1;
  data.SetSkinFile(path);
  EXPECT_EQ(data.GetSkinFile(), path);
  EXPECT_EQ(data.SkinBuffer(), blob);
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.Skin().SkinName, "FromFile");

  // A missing file keeps the buffer but counts as no skin loaded.
  data.SetSkinFile(TempPath("missing.skn"));
  EXPECT_EQ(data.SkinBuffer(), blob);
  EXPECT_FALSE(data.SkinLoaded());
  DeleteFileA(path.c_str());
}
