// Decoding throughput of compressed skins: MB of output per second for a
// 10 MB mixed input (bitmap-like rows, definition-like text, noise), for our
// decoder and for a plain implementation of the scheme, in the same run.
//   bench_SkinDecodeBench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "../../host/skin/archive/ReferenceLzhuf.h"
#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinReader.h"

namespace {

constexpr std::size_t kInputSize = 10 * 1000 * 1000;

void AppendBitmapRows(TBytes& Out, std::mt19937& Random, std::size_t Bytes) {
  const int width = 200 + static_cast<int>(Random() % 600);
  const int base = static_cast<int>(Random() % 256);
  for (std::size_t row = 0; Out.size() < kInputSize && row * width * 3 < Bytes; ++row) {
    for (int x = 0; x < width; ++x) {
      const bool flat = x < width / 3;
      const int shade = flat ? base : (base + x * 255 / width + static_cast<int>(row)) & 0xFF;
      const int noise = (Random() % 8 == 0) ? static_cast<int>(Random() % 5) : 0;
      Out.push_back(static_cast<std::uint8_t>(shade + noise));
      Out.push_back(static_cast<std::uint8_t>(shade / 2));
      Out.push_back(static_cast<std::uint8_t>(flat ? 0xFF : 255 - shade));
    }
  }
}

void AppendText(TBytes& Out, std::mt19937& Random, std::size_t Bytes) {
  static const char* const kWords[] = {"Caption", "Border", "Margins", "Image",  "FrameCount",
                                       "Trans",   "Tile",   "Colour",  "Left",   "Right",
                                       "Top",     "Bottom", "Button",  "Scroll", "Menu"};
  const std::size_t end = Out.size() + Bytes;
  while (Out.size() < end && Out.size() < kInputSize) {
    std::string line = std::string(kWords[Random() % 15]) + kWords[Random() % 15] + "=" +
                       std::to_string(Random() % 1000) + "," + std::to_string(Random() % 64) +
                       "\r\n";
    if (Random() % 12 == 0) line = "\r\n[" + std::string(kWords[Random() % 15]) + "]\r\n";
    Out.insert(Out.end(), line.begin(), line.end());
  }
}

void AppendNoise(TBytes& Out, std::mt19937& Random, std::size_t Bytes) {
  for (std::size_t i = 0; i < Bytes && Out.size() < kInputSize; ++i)
    Out.push_back(static_cast<std::uint8_t>(Random()));
}

TBytes MixedInput() {
  std::mt19937 random(2026);
  TBytes data;
  data.reserve(kInputSize);
  while (data.size() < kInputSize) {
    const unsigned kind = random() % 10;
    const std::size_t block = 16 * 1024 + random() % (128 * 1024);
    if (kind < 5) {
      AppendBitmapRows(data, random, block);
    } else if (kind < 9) {
      AppendText(data, random, block);
    } else {
      AppendNoise(data, random, block / 4);
    }
  }
  data.resize(kInputSize);
  return data;
}

template <typename TDecode>
void TimeOnce(double& Best, const TBytes& Expected, TDecode Decode) {
  const auto start = std::chrono::steady_clock::now();
  const TBytes out = Decode();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (out != Expected) {
    std::fprintf(stderr, "decoded output differs from the input\n");
    std::exit(1);
  }
  Best = std::min(Best, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const TBytes input = MixedInput();

  const auto encodeStart = std::chrono::steady_clock::now();
  const TBytes blob = TLZHEncoder::CompressBlob(input);
  const double encodeSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - encodeStart).count();

  // The two decoders take turns, so that load from elsewhere on the machine
  // falls on both alike; the best run of each counts.
  double ours = 1e30, reference = 1e30;
  for (int run = 0; run < runs; ++run) {
    TimeOnce(ours, input, [&] {
      TBytes out;
      TSkinReader::Decompress(blob, out);
      return out;
    });
    TimeOnce(reference, input, [&] {
      ReferenceLzhuf::TDecoder decoder;
      return decoder.Decode(blob.data() + 4, blob.size() - 4, static_cast<long>(input.size()));
    });
  }

  const double megabytes = static_cast<double>(input.size()) / 1e6;
  std::printf("input %.1f MB, compressed %.2f MB (%.1f%%), encoded in %.2f s\n", megabytes,
              static_cast<double>(blob.size()) / 1e6, 100.0 * blob.size() / input.size(),
              encodeSeconds);
  std::printf("best of %d runs, MB of output per second:\n", runs);
  std::printf("  TSkinReader::Decompress  %7.1f MB/s  (%.3f s)\n", megabytes / ours, ours);
  std::printf("  plain reference decoder  %7.1f MB/s  (%.3f s)\n", megabytes / reference,
              reference);
  std::printf("  speed-up                 %7.2fx\n", reference / ours);
  return 0;
}
