#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/LzhException.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinMessages.h"
#include "skin/archive/SkinReader.h"

namespace {

void PutI32(TBytes& Out, std::uint32_t Value) {
  for (int shift = 0; shift < 32; shift += 8)
    Out.push_back(static_cast<std::uint8_t>(Value >> shift));
}

// An archive with every field under the test's control.
TBytes RawArchive(std::uint32_t Version, std::int32_t NameListLength, const TBytes& Opaque,
                  const std::string& NameList, const std::vector<std::int32_t>& Sizes,
                  const std::string& Data) {
  TBytes out;
  PutI32(out, Version);
  PutI32(out, static_cast<std::uint32_t>(NameListLength));
  out.insert(out.end(), 8, 0xEE);  // reserved: never interpreted
  out.insert(out.end(), Opaque.begin(), Opaque.end());
  out.insert(out.end(), NameList.begin(), NameList.end());
  for (std::int32_t size : Sizes) PutI32(out, static_cast<std::uint32_t>(size));
  out.insert(out.end(), Data.begin(), Data.end());
  return out;
}

TBytes RawArchive(const std::string& NameList, const std::vector<std::int32_t>& Sizes,
                  const std::string& Data) {
  return RawArchive(50000, static_cast<std::int32_t>(NameList.size()), TBytes(48, 0), NameList,
                    Sizes, Data);
}

std::string AsText(const TBytes& Bytes) {
  return std::string(Bytes.begin(), Bytes.end());
}

class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Previous =
        SkinMessages::SetHandler([this](const std::string& Text) { Messages.push_back(Text); });
  }
  void TearDown() override { SkinMessages::SetHandler(Previous); }

  std::string Extract(const std::string& Name) {
    TBytes target{'s', 't', 'a', 'l', 'e'};
    Reader.ExtractFile(Name, target);
    return AsText(target);
  }

  TSkinReader Reader;
  std::vector<std::string> Messages;
  SkinMessages::THandler Previous;
};

}  // namespace

TEST_F(SkinReaderTest, EmptyVersion20000ArchiveHasNoEntries) {
  const TBytes blob = TLZHEncoder::CompressBlob(RawArchive(20000, 0, {}, "", {}, ""));
  ASSERT_TRUE(Reader.LoadArchive(blob));
  EXPECT_TRUE(Reader.Names().empty());
  EXPECT_EQ(Extract("a.bmp"), "");
  TBytes target{1};
  std::string name = "x";
  Reader.ExtractFirstMatching(".ini", target, name);
  EXPECT_TRUE(target.empty());
  EXPECT_EQ(name, "");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(SkinReaderTest, NamesAreLowerCasedAndLookedUp) {
  const TBytes blob = TLZHEncoder::CompressBlob(RawArchive("A.BMP\r\nb.ini", {3, 4}, "BM!key="));
  ASSERT_TRUE(Reader.LoadArchive(blob));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"a.bmp", "b.ini"}));
  EXPECT_EQ(Extract("a.Bmp"), "BM!");
  EXPECT_EQ(Extract("b.ini"), "key=");
  EXPECT_EQ(Extract("c.bmp"), "");

  TBytes target;
  std::string name;
  Reader.ExtractFirstMatching(".ini", target, name);
  EXPECT_EQ(AsText(target), "key=");
  EXPECT_EQ(name, "b.ini");
  // The fragment is taken as it is: upper case never matches stored names.
  Reader.ExtractFirstMatching(".INI", target, name);
  EXPECT_TRUE(target.empty());
  EXPECT_EQ(name, "");
}

TEST_F(SkinReaderTest, EachVersionSkipsItsOpaqueBlockWhateverItHolds) {
  for (const auto& [version, opaque] :
       {std::pair{20000u, 0}, {30000u, 256}, {40000u, 80}, {50000u, 48}}) {
    SCOPED_TRACE(version);
    const TBytes archive = RawArchive(version, 7, TBytes(opaque, 0xA5), "x.ini\r\n", {2}, "ok");
    ASSERT_TRUE(Reader.LoadDecompressed(archive));
    EXPECT_EQ(Reader.Version(), version);
    EXPECT_EQ(Extract("x.ini"), "ok");
  }
}

TEST_F(SkinReaderTest, LineBreaksAndEmptyNames) {
  // CR LF, lone CR, lone LF, an empty line in the middle, a final break.
  ASSERT_TRUE(
      Reader.LoadDecompressed(RawArchive("a\rb\nc\r\n\r\nd\r\n", {1, 1, 1, 1, 1}, "12345")));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_EQ(Extract(""), "4");
  EXPECT_EQ(Extract("d"), "5");
}

TEST_F(SkinReaderTest, DuplicateNamesFindTheFirst) {
  ASSERT_TRUE(Reader.LoadDecompressed(RawArchive("X.bmp\r\nx.BMP\r\n", {1, 2}, "abc")));
  EXPECT_EQ(Extract("x.bmp"), "a");
}

TEST_F(SkinReaderTest, UnknownVersionIsRefusedThroughTheMessageSeam) {
  ASSERT_TRUE(Reader.LoadDecompressed(RawArchive("a", {1}, "z")));
  const TBytes blob = TLZHEncoder::CompressBlob(RawArchive(10000, 1, {}, "a", {1}, "z"));
  EXPECT_FALSE(Reader.LoadArchive(blob));
  ASSERT_EQ(Messages, std::vector<std::string>{SkinMessages::kOlderSkin});
  EXPECT_EQ(Messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_TRUE(Reader.Names().empty());
  EXPECT_TRUE(Reader.DataArea().empty());
  EXPECT_EQ(Extract("a"), "");
}

TEST_F(SkinReaderTest, HeaderCutShortReadsAsZero) {
  // Two bytes of version 20000; the rest of the header reads as zero.
  EXPECT_TRUE(Reader.LoadDecompressed(TBytes{0x20, 0x4E}));
  EXPECT_TRUE(Reader.Names().empty());
  EXPECT_FALSE(Reader.LoadDecompressed(TBytes{0x30}));
  EXPECT_FALSE(Reader.LoadDecompressed(TBytes{}));
  EXPECT_EQ(Messages, std::vector<std::string>(2, SkinMessages::kOlderSkin));
}

TEST_F(SkinReaderTest, StoredSizeOutOfRangeIsRefusedBeforeDecoding) {
  const TBytes good = TLZHEncoder::CompressBlob(RawArchive("a", {1}, "z"));
  for (std::uint32_t size : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu,
                             static_cast<std::uint32_t>(TSkinReader::kMaxArchiveSize + 1),
                             // Below the absolute limit but more than this stream can encode.
                             static_cast<std::uint32_t>(good.size() * 48 + 100)}) {
    SCOPED_TRACE(size);
    TBytes blob = good;
    blob[0] = static_cast<std::uint8_t>(size);
    blob[1] = static_cast<std::uint8_t>(size >> 8);
    blob[2] = static_cast<std::uint8_t>(size >> 16);
    blob[3] = static_cast<std::uint8_t>(size >> 24);
    Messages.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Reader.LoadArchive(blob));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(Messages, std::vector<std::string>{SkinMessages::kSizeOutOfRange});
    TBytes target;
    EXPECT_THROW(TSkinReader::Decompress(blob, target), ElzhException);
  }
}

TEST_F(SkinReaderTest, BlobShorterThanItsSizeFieldDecodesNothing) {
  TBytes target{1, 2};
  TSkinReader::Decompress(TBytes{}, target);
  EXPECT_TRUE(target.empty());
  EXPECT_FALSE(Reader.LoadArchive(TBytes{0x05, 0x00}));  // 5 bytes of zero bits: version 0
}

TEST_F(SkinReaderTest, NameListRunningPastTheDataIsReadShort) {
  TBytes archive = RawArchive(50000, 1000, TBytes(48, 0), "one\r\ntwo", {}, "");
  ASSERT_TRUE(Reader.LoadDecompressed(archive));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(Reader.SizeOf(0), 0);
  EXPECT_EQ(Reader.SizeOf(1), 0);
  EXPECT_EQ(Extract("two"), "");
}

TEST_F(SkinReaderTest, NegativeNameListLengthReadsNoNames) {
  ASSERT_TRUE(Reader.LoadDecompressed(RawArchive(50000, -8, TBytes(48, 0), "", {}, "data")));
  EXPECT_TRUE(Reader.Names().empty());
  EXPECT_EQ(AsText(Reader.DataArea()), "data");
}

TEST_F(SkinReaderTest, SizeTableRunningPastTheDataLeavesZeros) {
  TBytes archive = RawArchive("a\r\nb\r\nc", {0x0505}, "");
  archive.pop_back();  // three bytes of the first size remain
  ASSERT_TRUE(Reader.LoadDecompressed(archive));
  ASSERT_EQ(Reader.Names().size(), 3u);
  EXPECT_EQ(Reader.SizeOf(0), 0x0505);
  EXPECT_EQ(Reader.SizeOf(1), 0);
  EXPECT_EQ(Reader.SizeOf(2), 0);
  EXPECT_TRUE(Reader.DataArea().empty());
  EXPECT_EQ(Extract("a"), "");
}

TEST_F(SkinReaderTest, EntriesOutsideTheDataAreaExtractEmpty) {
  // b reaches past the end; c starts after it; d has a negative size and
  // pulls e's start back before the data area.
  ASSERT_TRUE(
      Reader.LoadDecompressed(RawArchive("a\r\nb\r\nc\r\nd\r\ne", {2, 100, 1, -50, 3}, "okXYZ")));
  EXPECT_EQ(Extract("a"), "ok");
  EXPECT_TRUE(Reader.IsReadable(0));
  for (const char* name : {"b", "c", "d", "e"}) {
    EXPECT_EQ(Extract(name), "") << name;
  }
  // Sizes whose sum overflows 32 bits stay out of range too.
  ASSERT_TRUE(
      Reader.LoadDecompressed(RawArchive("a\r\nb\r\nc", {0x7FFFFFFF, 0x7FFFFFFF, 2}, "ab")));
  EXPECT_EQ(Extract("c"), "");
}

TEST_F(SkinReaderTest, AtMost1001Names) {
  std::string names;
  for (int i = 0; i < 1001; ++i) names += "f" + std::to_string(i) + "\r\n";
  ASSERT_TRUE(Reader.LoadDecompressed(RawArchive(names, std::vector<std::int32_t>(1001, 0), "")));
  EXPECT_EQ(Reader.Names().size(), 1001u);
  EXPECT_TRUE(Messages.empty());

  names += "\r\n";  // an empty 1002nd name
  EXPECT_FALSE(Reader.LoadDecompressed(RawArchive(names, {}, "")));
  EXPECT_EQ(Messages, std::vector<std::string>{SkinMessages::kTooManyFiles});
  EXPECT_TRUE(Reader.Names().empty());
}

TEST_F(SkinReaderTest, BuilderArchivesLoadBack) {
  TSkinArchiveBuilder builder;
  builder.Add("Title.bmp", TBytes(5000, 0x11));
  builder.Add("skin.ini", {'[', 'A', ']'});
  builder.Add("empty.bmp", {});
  ASSERT_TRUE(Reader.LoadArchive(builder.BuildCompressed()));
  EXPECT_EQ(Reader.Version(), 50000u);
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"title.bmp", "skin.ini", "empty.bmp"}));
  EXPECT_EQ(Extract("TITLE.BMP"), std::string(5000, 0x11));
  EXPECT_EQ(Extract("skin.ini"), "[A]");
  EXPECT_EQ(Extract("empty.bmp"), "");
  EXPECT_THROW(builder.Build(12345), std::invalid_argument);
}

TEST_F(SkinReaderTest, GarbageBlobsNeverReachOutsideTheirBuffers) {
  // Run under the sanitizers; any stray access fails the test there.
  std::mt19937 random(21);
  const TBytes good = [] {
    TSkinArchiveBuilder builder;
    builder.Add("a.bmp", TBytes(300, 7));
    builder.Add("b.ini", TBytes(40, 'k'));
    return builder.BuildCompressed();
  }();
  for (int round = 0; round < 300; ++round) {
    TBytes blob = good;
    const int flips = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < flips; ++k) blob[4 + random() % (blob.size() - 4)] ^= 1u << (random() % 8);
    if (round % 3 == 0) blob.resize(4 + random() % (blob.size() - 4));
    if (Reader.LoadArchive(blob)) {
      TBytes target;
      for (std::size_t i = 0; i < Reader.Names().size(); ++i) {
        Reader.ExtractFile(Reader.Names()[i], target);
        EXPECT_LE(target.size(), Reader.DataArea().size());
      }
    }
  }
}
