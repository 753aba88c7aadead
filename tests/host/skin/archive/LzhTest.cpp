#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "ReferenceLzhuf.h"
#include "skin/archive/LZH.h"
#include "skin/archive/LZHEncoder.h"
#include "skin/archive/LzhParams.h"
#include "skin/archive/SkinReader.h"

namespace {

TBytes Decompressed(const TBytes& Blob) {
  TBytes out;
  TSkinReader::Decompress(Blob, out);
  return out;
}

TBytes ReferenceDecode(const TBytes& Blob, long Size) {
  ReferenceLzhuf::TDecoder decoder;
  return decoder.Decode(Blob.data() + 4, Blob.size() - 4, Size);
}

void ExpectRoundTrip(const TBytes& Data) {
  const TBytes blob = TLZHEncoder::CompressBlob(Data);
  EXPECT_EQ(Decompressed(blob), Data);
  EXPECT_EQ(ReferenceDecode(blob, static_cast<long>(Data.size())), Data);
}

TBytes Text(const std::string& S) {
  return TBytes(S.begin(), S.end());
}

// Skewed symbols with repeats of many lengths and distances: frequent
// matches and literals push the root frequency to the limit again and again.
TBytes MixedData(std::size_t Size, unsigned Seed) {
  std::mt19937 random(Seed);
  TBytes data;
  data.reserve(Size);
  while (data.size() < Size) {
    const unsigned kind = random() % 4;
    if (kind == 0 && data.size() > 100) {
      const std::size_t distance = 1 + random() % std::min<std::size_t>(data.size(), 5000);
      const std::size_t length = 3 + random() % 80;
      for (std::size_t k = 0; k < length; ++k) data.push_back(data[data.size() - distance]);
    } else if (kind == 1) {
      data.insert(data.end(), 1 + random() % 200, static_cast<std::uint8_t>(random()));
    } else {
      for (int k = 0; k < 50; ++k) data.push_back(static_cast<std::uint8_t>('a' + random() % 8));
    }
  }
  data.resize(Size);
  return data;
}

}  // namespace

TEST(Lzh, PositionTablesMatchThePublishedCode) {
  const auto& t = Lzh::kPositionTables;
  EXPECT_EQ(t.Code[0x1F], 0);
  EXPECT_EQ(t.Code[0x20], 1);
  EXPECT_EQ(t.Code[0x50], 4);
  EXPECT_EQ(t.Code[0x90], 12);
  EXPECT_EQ(t.Code[0xC0], 24);
  EXPECT_EQ(t.Code[0xF0], 48);
  EXPECT_EQ(t.Code[0xFF], 63);
  EXPECT_EQ(t.Len[0x1F], 3);
  EXPECT_EQ(t.Len[0x4F], 4);
  EXPECT_EQ(t.Len[0xBF], 6);
  EXPECT_EQ(t.Len[0xFF], 8);
}

TEST(Lzh, RoundTripsSmallInputs) {
  ExpectRoundTrip({});
  ExpectRoundTrip({0x42});
  ExpectRoundTrip({0x00, 0xFF});
  ExpectRoundTrip(Text("abcabcabcabcabcabcabc"));
}

TEST(Lzh, RunsLongerThanTheLongestMatchRepeatThroughOverlap) {
  const TBytes run(1000, 'q');
  const TBytes blob = TLZHEncoder::CompressBlob(run);
  // One literal then matches of 60 copying from one byte back.
  EXPECT_LT(blob.size(), 40u);
  EXPECT_EQ(Decompressed(blob), run);
  EXPECT_EQ(ReferenceDecode(blob, 1000), run);
}

TEST(Lzh, FirstMatchReachesIntoTheInitialSpaces) {
  TBytes data(50, ' ');
  data.push_back('x');
  const TBytes blob = TLZHEncoder::CompressBlob(data);
  // Fifty spaces as literals would take well over 40 bytes.
  EXPECT_LT(blob.size(), 12u);
  EXPECT_EQ(Decompressed(blob), data);
  EXPECT_EQ(ReferenceDecode(blob, 51), data);
}

TEST(Lzh, ManyTreeRebuildsAndChunkBoundaries) {
  // 1.5 MB: dozens of rebuilds, and several of the decoder's output chunks
  // with matches crossing from one into the next.
  ExpectRoundTrip(MixedData(1500 * 1000, 7));
}

TEST(Lzh, IncompressibleInput) {
  std::mt19937 random(3);
  TBytes data(200 * 1000);
  for (auto& b : data) b = static_cast<std::uint8_t>(random());
  const TBytes blob = TLZHEncoder::CompressBlob(data);
  EXPECT_LT(blob.size(), data.size() * 9 / 8 + 16);
  EXPECT_EQ(Decompressed(blob), data);
}

TEST(Lzh, GarbageAndTruncatedStreamsDecodeLikeTheReference) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    TBytes stream(random() % 300);
    for (auto& b : stream) b = static_cast<std::uint8_t>(random());
    // Sizes up to what the stream could hold, and beyond what it holds
    // (the rest decodes from zero bits).
    const long size = static_cast<long>(random() % (stream.size() * 8 + 70));
    TBytes blob{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8), 0, 0};
    blob.insert(blob.end(), stream.begin(), stream.end());
    const TBytes ours = Decompressed(blob);
    ASSERT_EQ(ours.size(), static_cast<std::size_t>(size));
    ASSERT_EQ(ours, ReferenceDecode(blob, size)) << "round " << round;
  }
}

TEST(Lzh, TruncatedStreamKeepsItsSizeAndPrefix) {
  const TBytes data = MixedData(100 * 1000, 5);
  TBytes blob = TLZHEncoder::CompressBlob(data);
  blob.resize(blob.size() / 2);
  const TBytes out = Decompressed(blob);
  ASSERT_EQ(out.size(), data.size());
  EXPECT_EQ(out, ReferenceDecode(blob, static_cast<long>(data.size())));
  // The first part is intact.
  EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, out.begin()));
}

TEST(Lzh, ReadsThroughProceduresGivingOneByteAtATime) {
  const TBytes data = MixedData(20 * 1000, 9);
  const TBytes stream = TLZHEncoder::EncodeStream(data);
  std::size_t pos = 0;
  int reads = 0;
  TBytes out;
  TLZH().Decode(
      static_cast<std::int64_t>(data.size()),
      [&](std::uint8_t* buffer, std::size_t count) -> std::size_t {
        ++reads;
        if (pos == stream.size() || count == 0) return 0;
        *buffer = stream[pos++];
        return 1;
      },
      [&](const std::uint8_t* buffer, std::size_t count) {
        out.insert(out.end(), buffer, buffer + count);
      });
  EXPECT_EQ(out, data);
  EXPECT_GE(reads, static_cast<int>(stream.size()));
}

TEST(Lzh, NothingIsReadOrWrittenForSizeZeroOrBelow) {
  for (std::int64_t size : {std::int64_t{0}, std::int64_t{-5}}) {
    bool touched = false;
    TLZH().Decode(
        size,
        [&](std::uint8_t*, std::size_t) -> std::size_t {
          touched = true;
          return 0;
        },
        [&](const std::uint8_t*, std::size_t) { touched = true; });
    EXPECT_FALSE(touched);
  }
}
