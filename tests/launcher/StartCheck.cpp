// A Windows test program whose start can be made to fail on purpose, so that
// the launcher of the Windows suites is held to what it reports. With
// FW_START_FAILURE=crash it dies of an access violation before main, with
// FW_START_FAILURE=silent it ends with code 0 before main having written
// nothing; otherwise it runs its one test like any suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::wstring RequestedFailure() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"FW_START_FAILURE", value, 16);
  return length > 0 && length < 16 ? std::wstring(value, length) : std::wstring();
}

// Runs while the program's statics are made, before main and any output.
const int failure_at_start = [] {
  const std::wstring failure = RequestedFailure();
  if (failure == L"crash") {
    // An address the compiler cannot know is null, so that the write stays.
    const auto nowhere = static_cast<std::uintptr_t>(GetCurrentProcessId() & 0);
    *reinterpret_cast<volatile int*>(nowhere) = 1;
  } else if (failure == L"silent") {
    ExitProcess(0);
  }
  return 0;
}();

// The page every Windows program reads the clock and the system's version
// from sits at its fixed address, whatever the C library of the loader
// placed nearby when the process started.
TEST(StartCheck, SharedUserDataIsAtItsAddress) {
  const auto* major_version = reinterpret_cast<const volatile ULONG*>(0x7FFE0000 + 0x26C);
  EXPECT_GE(*major_version, 5u);
  const auto* tick_count_low = reinterpret_cast<const volatile ULONG*>(0x7FFE0000 + 0x320);
  const ULONG before = *tick_count_low;
  bool moved = false;
  for (int i = 0; i < 100 && !moved; ++i) {
    Sleep(20);
    moved = *tick_count_low != before;
  }
  EXPECT_TRUE(moved) << "the clock in the shared user data stands still";
}

}  // namespace
