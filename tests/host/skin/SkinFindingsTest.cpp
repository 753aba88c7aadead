// What the skin reader reports about the skins it is given: each finding
// matches what the loader did with the value or file concerned.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinMessages.h"
#include "skin/definition/FolderSkinFiles.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/definition/SkinLoader.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/portable/BmpEncoder.h"

namespace fs = std::filesystem;

namespace {

TBytes Bmp(int Width, int Height) {
  return BmpEncoder::Encode24(TPixelBuffer(Width, Height, 0x336699));
}

TBytes ReadFile(const fs::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& Path, const TBytes& Bytes) {
  std::ofstream(Path, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

void WriteText(const fs::path& Path, const std::string& Text) {
  WriteFile(Path, TBytes(Text.begin(), Text.end()));
}

// Everything the painters read of a parsed skin, as text, so that two loads
// can be compared and a difference read.
std::string Describe(const TParsedSkin& Skin) {
  std::string out = "name " + Skin.SkinName + "\n";
  auto image = [](const TPixelBuffer& I) {
    std::uint64_t sum = 0;
    for (int y = 0; y < I.Height(); ++y)
      for (int x = 0; x < I.Width(); ++x) sum = sum * 31 + I.Pixel(x, y);
    return std::to_string(I.Width()) + "x" + std::to_string(I.Height()) + "#" + std::to_string(sum);
  };
  for (const TColourKey& key : ColourKeys)
    out += std::string(key.Key) + "=" + std::to_string(Skin.Colours.*key.Field) + "\n";
  for (TColor c : Skin.CustomColors) out += std::to_string(c) + " ";
  out += "\n";
  auto n = [](int Value) { return " " + std::to_string(Value); };
  for (const TDataSkinObject* e : Skin.Elements()) {
    const TRect& m = e->Margins;
    out += e->ElementName + " " + e->ClassName() + " frames" + n(e->FrameCount) + " margins" +
           n(m.Left) + n(m.Top) + n(m.Right) + n(m.Bottom) + " tile" + n(e->Tile) + " trans" +
           n(e->Trans) + " style" + n(e->Style) + " colours" + n(e->NormalColour) +
           n(e->MouseOverColour) + n(e->PressedColour) + n(e->NormalColour2) +
           n(e->MouseOverColour2) + n(e->PressedColour2) + " image " + image(e->Image);
    if (auto* b = dynamic_cast<const TDataSkinBorder*>(e)) out += " second " + image(b->SecondImage);
    if (auto* b = dynamic_cast<const TDataSkinButton*>(e))
      out += " check " + image(b->CheckButton) + n(b->CheckButtonFrame) + " radio " +
             image(b->RadioButton) + n(b->RadioButtonFrame);
    if (auto* t = dynamic_cast<const TDataSkinTitle*>(e))
      out += " caption" + n(t->TextAlignment) + n(t->Textbackground) + n(t->FontHeight) +
             n(t->TXTBackleft) + n(t->TXTBackRight) + n(t->ActiveCaptionColour) +
             n(t->InactiveCaptionColour);
    if (auto* g = dynamic_cast<const TDataSkinBoxLabel*>(e))
      out += " label" + n(g->BackgroundLeftShift) + n(g->BackgroundRightShift) +
             n(g->BackgroundAlignment);
    out += "\n";
  }
  for (const auto& b : Skin.TitleButtons)
    out += b->ElementName + " button" + n(b->Action) + n(b->Align) + n(b->XCoord) + n(b->YCoord) +
           n(b->CombineOp) + n(b->Visibility) + n(b->Visibility1) + " frames" + n(b->FrameCount) +
           " image " + image(b->Image) + "\n";
  for (TColor c : Skin.NumberedColors) out += std::to_string(c) + " ";
  return out;
}

class SkinFindingsTest : public testing::Test {
 protected:
  SkinFindingsTest() { SetSkinSystem(&System); }
  ~SkinFindingsTest() override { SetSkinSystem(nullptr); }

  void Load(std::string_view Text) {
    Ini.LoadFromText(Text);
    TSkinLoader(Skin, Ini, Files, &Findings).Load();
  }
  bool Says(const std::string& Line) const {
    for (const std::string& l : Findings.Lines())
      if (l == Line) return true;
    return false;
  }
  std::string All() const {
    std::string all;
    for (const std::string& l : Findings.Lines()) all += l + "\n";
    return all;
  }

  TFixedSkinSystem System{FW_SOURCE_DIR "/skins/resources"};
  TMemorySkinFiles Files;
  TQuickIni Ini;
  TParsedSkin Skin;
  TSkinFindings Findings;
};

}  // namespace

TEST_F(SkinFindingsTest, FilesThatAreNamedButCannotBeUsed) {
  Files.Add("good.bmp", Bmp(8, 2));
  Files.Add("empty.bmp", TBytes{});
  Files.Add("text.bmp", std::string_view("hello, world"));
  TBytes cut = Bmp(20, 20);
  cut.resize(cut.size() / 2);
  Files.Add("cut.bmp", cut);
  TBytes huge = Bmp(2, 2);
  huge[18] = 0x00, huge[19] = 0x40;  // 16384 x 2 ... and
  huge[22] = 0x00, huge[23] = 0x40;  // x 16384 rows
  Files.Add("huge.bmp", huge);
  Load(
      "[MenuItem]\nImage=Skin\\Good.bmp\n[Scrollbar]\nImage=absent.bmp\n[HorzScroll]\n"
      "Image=empty.bmp\n[VertScroll]\nImage=text.bmp\n[Headerbar]\nImage=cut.bmp\n"
      "[MenuBackground]\nImage=huge.bmp\n[Tabs]\nImage=pic.png\n[SunkEdge]\nImage=Good.BMP\n");

  EXPECT_FALSE(Skin.MenuItem->Image.Empty());
  EXPECT_TRUE(Says("[Scrollbar] Image: the file \"absent.bmp\" is not in the skin.")) << All();
  EXPECT_TRUE(Says("[HorzScroll] Image: the file \"empty.bmp\" is empty.")) << All();
  EXPECT_TRUE(Says("[VertScroll] Image: the file \"text.bmp\" cannot be used: it is not a bitmap "
                   "(a .bmp file starts with \"BM\")."));
  EXPECT_TRUE(Says("[Headerbar] Image: the file \"cut.bmp\" cannot be used: its pixels run past "
                   "the end of the file."));
  EXPECT_TRUE(Says("[MenuBackground] Image: the file \"huge.bmp\" cannot be used: it is too large "
                   "(more than 16777216 pixels)."));
  EXPECT_TRUE(Says("[Tabs] Image: \"pic.png\" is not used: only files ending in \".bmp\" (in lower "
                   "case) are read."));
  EXPECT_TRUE(Says("[SunkEdge] Image: \"Good.BMP\" is not used: only files ending in \".bmp\" (in "
                   "lower case) are read."));
  // Exactly those seven, in load order, each of the kind it is.
  ASSERT_EQ(Findings.Count(), 7u) << All();
  const TSkinFindingKind kinds[] = {
      TSkinFindingKind::BadValue,         TSkinFindingKind::BadValue,
      TSkinFindingKind::UnreadableBitmap, TSkinFindingKind::UnreadableBitmap,
      TSkinFindingKind::MissingFile,      TSkinFindingKind::UnreadableBitmap,
      TSkinFindingKind::UnreadableBitmap};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(Findings.Items()[i].Kind, kinds[i]) << i;
  EXPECT_EQ(Findings.Summary(),
            "7 problems: pic.png is not a .bmp file, Good.BMP is not a .bmp file, cut.bmp cannot "
            "be read and 4 more");
}

TEST_F(SkinFindingsTest, ValuesReplacedOrClampedAreReportedWithTheValueUsed) {
  Files.Add("e.bmp", Bmp(40, 10));
  Load(
      "[Buttons]\nLeftWidth=-4\nTile=5\nRadioButtonFrame=-2\n"
      "[Tab.Pane]\nImage=e.bmp\nLeftWidth=10\nTopHeight=2\n"
      "[Track]\nImage=e.bmp\nFrame=-3\nStyle=abc\nTrans=99999999999\n"
      "[Headerbar]\nImage=e.bmp\nFrame=0x\n"
      "[Colours]\nButtonFace=12 300 4\nMenu=grey\nHilight=0 68 214\n"
      "[Button.Close]\nAction=-1\nVisibility=no\n"
      "[Button.Min]\nAction=2\nVisibility=x\nframe=-1\nButtonImage=e.bmp\n");

  EXPECT_EQ(Skin.Buttons->Margins.Left, 0);
  EXPECT_TRUE(Says("[Buttons] LeftWidth: -4 is not allowed, 0 is used.")) << All();
  EXPECT_EQ(Skin.Buttons->Tile, 0);
  EXPECT_TRUE(Says("[Buttons] Tile: 5 is not allowed (only 0 or 1), 0 is used."));
  EXPECT_EQ(Skin.Buttons->RadioButtonFrame, 4);
  EXPECT_TRUE(Says("[Buttons] RadioButtonFrame: -2 is not allowed, the count is worked out from "
                   "the image."));
  EXPECT_EQ(Skin.TabPane->Margins.Left, 4);
  EXPECT_EQ(Skin.TabPane->Margins.Top, 2);
  EXPECT_TRUE(Says("[Tab.Pane] LeftWidth: 10 is more than the 4 allowed, 4 is used."));
  EXPECT_EQ(Skin.Track->FrameCount, 1);
  EXPECT_TRUE(Says("[Track] Frame: -3 is not allowed, 1 is used."));
  EXPECT_EQ(Skin.Track->Style, 0);
  EXPECT_TRUE(Says("[Track] Style: \"abc\" is not a number, 0 is used."));
  EXPECT_TRUE(Says("[Track] Trans: 99999999999 is out of range, 0 is used."));
  EXPECT_EQ(Skin.Headerbar->FrameCount, 5);
  EXPECT_TRUE(Says("[Headerbar] Frame: \"0x\" is not a number, 0 is used."));
  EXPECT_EQ(Skin.Colours.ButtonFace, ColorFromRgb(12, 44, 4));
  EXPECT_TRUE(Says("[Colours] ButtonFace: \"12 300 4\" has a number above 255, 12 44 4 is used."));
  EXPECT_TRUE(Says("[Colours] Menu: \"grey\" is not a colour (three numbers for red, green and "
                   "blue), 0 0 0 is used."));
  // A dropped title button is reported with the value its dropping used; a
  // kept one with the value it keeps, once.
  EXPECT_TRUE(Says("[Button.Close] Visibility: \"no\" is not a number, -1 is used."));
  EXPECT_TRUE(Says("[Button.Min] Visibility: \"x\" is not a number, 0 is used."));
  EXPECT_TRUE(
      Says("[Button.Min] frame: -1 is not allowed, the count is worked out from the image."));
  EXPECT_EQ(Skin.TitleButtons[0]->FrameCount, 6);  // 40 x 10 is wider than 3.8 : 1
  EXPECT_EQ(Findings.Count(), 13u) << All();
}

TEST_F(SkinFindingsTest, ValuesTheLoaderNeitherKeepsNorChangesAreNotReported) {
  Files.Add("e.bmp", Bmp(40, 10));
  // Elements with a fixed frame count never read "Frame"; keys of absent
  // elements are never read; sound values and empty ones are not faults.
  Load(
      "[MenuItem]\nImage=e.bmp\nFrame=-7\n[VertScrollThumb]\nFrameCount=abc\n"
      "[Colours]\nHilight=0, 68, 214\nMenu=\n[Buttons]\nTopHeight=0x10\n");
  EXPECT_EQ(Skin.MenuItem->FrameCount, 5);
  EXPECT_EQ(Skin.Buttons->Margins.Top, 16);
  EXPECT_TRUE(Findings.Empty()) << All();
  EXPECT_EQ(Findings.Summary(), "");
}

TEST(SkinFindingsSummary, NamesEachProblemOnceAndCountsAll) {
  TSkinFindings f;
  f.Add(TSkinFindingKind::MissingFile, "[A] Image", "the file \"a.bmp\" is not in the skin.",
        "a.bmp is missing");
  EXPECT_EQ(f.Summary(), "1 problem: a.bmp is missing");
  f.Add(TSkinFindingKind::MissingFile, "[B] Image", "the file \"a.bmp\" is not in the skin.",
        "a.bmp is missing");
  f.Add(TSkinFindingKind::BadValue, "[C] Tile", "\"x\" is not a number, 0 is used.");
  EXPECT_EQ(f.Summary(), "3 problems: a.bmp is missing, [C] Tile: \"x\" is not a number, 0 is used");
  EXPECT_EQ(f.Lines()[1], "[B] Image: the file \"a.bmp\" is not in the skin.");
}

class FolderSkinTest : public testing::Test {
 protected:
  FolderSkinTest() {
    SetSkinSystem(&System);
    Folder = fs::temp_directory_path() / ("fw-folder-skin-" + std::to_string(getpid()));
    fs::remove_all(Folder);
    fs::copy(fs::path(FW_SOURCE_DIR) / "skins" / "default", Folder);
    Previous = SkinMessages::SetHandler([this](const std::string& Text) { Messages += Text; });
  }
  ~FolderSkinTest() override {
    SkinMessages::SetHandler(Previous);
    fs::remove_all(Folder);
    SetSkinSystem(nullptr);
  }

  // The folder packed as skinpack packs it.
  TBytes Packed() const {
    TSkinArchiveBuilder builder;
    const TFolderSkinFiles files(Folder);
    for (const std::string& name : files.Names())
      builder.Add(name, ReadFile(Folder / name));
    return builder.BuildCompressed();
  }

  TFixedSkinSystem System{FW_SOURCE_DIR "/skins/resources"};
  fs::path Folder;
  SkinMessages::THandler Previous;
  std::string Messages;
};

TEST_F(FolderSkinTest, AFolderLoadsAsItsPackedFormWithTheSameFindings) {
  TParsedSkin fromFolder, fromArchive;
  TSkinFindings folderFindings, archiveFindings;
  ASSERT_TRUE(LoadSkinFromFolder(Folder, fromFolder, &folderFindings));
  ASSERT_TRUE(LoadSkinBlob(Packed(), fromArchive, &archiveFindings));
  EXPECT_EQ(Describe(fromFolder), Describe(fromArchive));
  EXPECT_EQ(fromFolder.SkinName, "Fernwick");
  EXPECT_TRUE(folderFindings.Empty()) << folderFindings.Summary();

  // Damaged the same way, the two still agree, findings included.
  fs::remove(Folder / "title_close.bmp");
  WriteText(Folder / "tabs.bmp", "BM");
  fs::rename(Folder / "menubar.bmp", Folder / "MenuBar.BMP");  // names match ignoring case
  TParsedSkin damagedFolder, damagedArchive;
  folderFindings.Clear();
  archiveFindings.Clear();
  ASSERT_TRUE(LoadSkinFromFolder(Folder, damagedFolder, &folderFindings));
  ASSERT_TRUE(LoadSkinBlob(Packed(), damagedArchive, &archiveFindings));
  EXPECT_EQ(Describe(damagedFolder), Describe(damagedArchive));
  EXPECT_EQ(folderFindings.Lines(), archiveFindings.Lines());
  ASSERT_EQ(folderFindings.Count(), 2u) << folderFindings.Summary();
  EXPECT_EQ(folderFindings.Items()[0].Kind, TSkinFindingKind::MissingFile);
  EXPECT_EQ(folderFindings.Lines()[1],
            "[Tabs] Image: the file \"tabs.bmp\" cannot be used: its header is damaged.");
  EXPECT_FALSE(damagedFolder.MenuBar->Image.Empty());
}

TEST_F(FolderSkinTest, AFolderWithoutADefinitionIsRefusedAndLeavesTheSkinAlone) {
  TParsedSkin skin;
  ASSERT_TRUE(LoadSkinFromFolder(Folder, skin));
  const std::string before = Describe(skin);
  fs::remove(Folder / "skin.ini");
  EXPECT_FALSE(LoadSkinFromFolder(Folder, skin));
  EXPECT_NE(Messages.find("no definition text"), std::string::npos) << Messages;
  Messages.clear();
  EXPECT_FALSE(LoadSkinFromFolder(Folder / "absent", skin));
  EXPECT_EQ(Messages, SkinMessages::kFolderUnreadable);
  EXPECT_EQ(Describe(skin), before);

  // A packed skin without one still loads, with every default, and says so.
  TSkinFindings findings;
  ASSERT_TRUE(LoadSkinBlob(Packed(), skin, &findings));
  ASSERT_EQ(findings.Count(), 1u);
  EXPECT_EQ(findings.Items()[0].Kind, TSkinFindingKind::MissingDefinition);
}

TEST_F(FolderSkinTest, ADamagedArchiveEntryIsToldApartFromAMissingFile) {
  // The index gives the title-bar bitmap a size past the end of the data.
  TSkinArchiveBuilder builder;
  const std::string text = "[Personality]\nTextBack=back.bmp\nTop=top.bmp\n";
  builder.Add("skin.ini", TBytes(text.begin(), text.end()));
  builder.Add("top.bmp", Bmp(30, 20));
  builder.Add("back.bmp", Bmp(30, 20));
  TBytes archive = builder.Build(20000);
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadDecompressed(archive));
  // Sizes follow the 16-byte header and the name list.
  const std::size_t sizes = 16 + (archive[4] | archive[5] << 8);
  archive[sizes + 4] = 0xFF, archive[sizes + 5] = 0xFF, archive[sizes + 6] = 0xFF;
  ASSERT_TRUE(reader.LoadDecompressed(archive));
  TParsedSkin skin;
  TSkinFindings findings;
  LoadSkinFromArchive(reader, skin, &findings);
  ASSERT_EQ(findings.Count(), 2u) << findings.Summary();
  EXPECT_EQ(findings.Lines()[0],
            "[Personality] Top: the file \"top.bmp\" cannot be read from the skin.");
  EXPECT_EQ(findings.Items()[0].Kind, TSkinFindingKind::DamagedArchive);
  EXPECT_EQ(findings.Items()[1].Kind, TSkinFindingKind::DamagedArchive);  // the one after it too
}

// Every value of the program's skin in turn made into one the reader cannot
// take: when the skin comes out different, a finding names that key, and no
// finding names another.
TEST_F(FolderSkinTest, EachUnreadableValueChangesTheSkinOnlyWithAFindingForIt) {
  const TFolderSkinFiles folder(Folder);
  TMemorySkinFiles files;
  std::vector<std::string> lines;
  TBytes bytes;
  for (const std::string& name : folder.Names()) {
    folder.ExtractFile(name, bytes);
    files.Add(name, bytes);
  }
  folder.ExtractFile("skin.ini", bytes);
  std::string line;
  for (std::uint8_t c : bytes) {
    if (c == '\n') lines.push_back(line), line.clear();
    else if (c != '\r') line.push_back(static_cast<char>(c));
  }
  auto load = [&](const std::vector<std::string>& Text, TSkinFindings& Findings) {
    std::string text;
    for (const std::string& l : Text) text += l + "\n";
    TQuickIni ini;
    ini.LoadFromText(text);
    TParsedSkin skin;
    TSkinLoader(skin, ini, files, &Findings).Load();
    return Describe(skin);
  };
  TSkinFindings none;
  const std::string sound = load(lines, none);
  ASSERT_TRUE(none.Empty()) << none.Summary();

  std::string section;
  int reported = 0, changed = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (!l.empty() && l.front() == '[') section = l.substr(1, l.size() - 2);
    const std::size_t equals = l.find('=');
    if (l.empty() || l.front() == ';' || equals == std::string::npos) continue;
    const std::string key(SkinText::Trim(std::string_view(l).substr(0, equals)));
    if (SkinText::SameText(key, "SkinName")) continue;  // any text is a name
    std::vector<std::string> damaged = lines;
    damaged[i] = key + "=abc";
    TSkinFindings findings;
    const bool differs = load(damaged, findings) != sound;
    const std::string where = "[" + section + "] " + key;
    SCOPED_TRACE(where);
    for (const TSkinFinding& f : findings.Items())
      EXPECT_TRUE(SkinText::SameText(f.Where, where)) << f.Where;
    if (differs) EXPECT_FALSE(findings.Empty()) << "changed without a finding";
    reported += !findings.Empty();
    changed += differs;
  }
  std::printf("%d values damaged the skin, %d were reported\n", changed, reported);
  EXPECT_GT(changed, 100);
}

// The same for each bitmap of the program's skin made unreadable in turn.
TEST_F(FolderSkinTest, EachUnreadableBitmapChangesTheSkinOnlyWithAFindingForIt) {
  const TFolderSkinFiles folder(Folder);
  TBytes definition;
  folder.ExtractFile("skin.ini", definition);
  TQuickIni ini;
  ini.LoadFromStream(definition);
  auto load = [&](const std::string& Broken, TSkinFindings& Findings) {
    TMemorySkinFiles files;
    TBytes bytes;
    for (const std::string& name : folder.Names()) {
      folder.ExtractFile(name, bytes);
      files.Add(name, name == Broken ? TBytes{'B', 'M', 1, 2, 3} : bytes);
    }
    TParsedSkin skin;
    TSkinLoader(skin, ini, files, &Findings).Load();
    return Describe(skin);
  };
  TSkinFindings none;
  const std::string sound = load("", none);
  int changed = 0;
  for (const std::string& name : folder.Names()) {
    if (name == "skin.ini") continue;
    SCOPED_TRACE(name);
    TSkinFindings findings;
    const bool differs = load(name, findings) != sound;
    EXPECT_TRUE(differs);  // every file of the program's skin is used
    EXPECT_FALSE(findings.Empty());
    for (const TSkinFinding& f : findings.Items()) {
      EXPECT_EQ(f.Kind, TSkinFindingKind::UnreadableBitmap);
      EXPECT_NE(f.Text.find("\"" + name + "\""), std::string::npos) << f.Text;
    }
    changed += differs;
  }
  EXPECT_GT(changed, 40);
}
