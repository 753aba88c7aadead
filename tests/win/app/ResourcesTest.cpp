// The executable's own resources: icon, version information and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string VersionString(const char* Key) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path, 0, size, data.data())) return {};
  void* value = nullptr;
  UINT len = 0;
  std::string query = std::string("\\StringFileInfo\\040904E4\\") + Key;
  if (!VerQueryValueA(data.data(), query.c_str(), &value, &len) || len == 0) return {};
  return static_cast<const char*>(value);
}

}  // namespace

TEST(Resources, VersionInformationNamesTheProduct) {
  EXPECT_EQ(VersionString("ProductName"), "Fernwick");
  EXPECT_EQ(VersionString("OriginalFilename"), "Fernwick.exe");
}

TEST(Resources, IconLoadsAtSmallAndLargeSizes) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Resources, ManifestAsksForCommonControlsSix) {
  HRSRC res = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(res, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, res)));
  std::string manifest(text, SizeofResource(nullptr, res));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}
