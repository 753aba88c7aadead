#include "skin/archive/SkinArchiveBuilder.h"

#include <stdexcept>
#include <utility>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinReader.h"

namespace {

void PutI32(TBytes& Out, std::uint32_t Value) {
  for (int shift = 0; shift < 32; shift += 8)
    Out.push_back(static_cast<std::uint8_t>(Value >> shift));
}

}  // namespace

void TSkinArchiveBuilder::Add(std::string Name, TBytes Bytes) {
  Files.push_back({std::move(Name), std::move(Bytes)});
}

TBytes TSkinArchiveBuilder::Build(std::uint32_t Version) const {
  const int opaque = TSkinReader::OpaqueBlockSize(Version);
  if (opaque < 0) throw std::invalid_argument("unknown skin archive version");

  std::string nameList;
  for (const TFile& file : Files) nameList += file.Name + "\r\n";

  TBytes out;
  PutI32(out, Version);
  PutI32(out, static_cast<std::uint32_t>(nameList.size()));
  out.resize(out.size() + 8 + opaque, 0);
  out.insert(out.end(), nameList.begin(), nameList.end());
  for (const TFile& file : Files) PutI32(out, static_cast<std::uint32_t>(file.Bytes.size()));
  for (const TFile& file : Files) out.insert(out.end(), file.Bytes.begin(), file.Bytes.end());
  return out;
}

TBytes TSkinArchiveBuilder::BuildCompressed(std::uint32_t Version) const {
  return TLZHEncoder::CompressBlob(Build(Version));
}
