// What the skinned scroll bar costs while a tree of 5,000 nodes is
// scrolled line by line from top to bottom: the same walk with the
// overlays attached and without, each step a line-down request followed by
// the painting it causes, and the ratio of the two.
//   bench_ScrollOverlayBench [skin file] [nodes]
// The skin file defaults to default.skn beside the program.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/archive/SkinStream.h"
#include "skin/engine/SkinData.h"
#include "skin/painters/SkinScrollbar.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"

namespace {

using TClock = std::chrono::steady_clock;

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

std::string DefaultSkinPath() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string dir(exe);
  dir.resize(dir.find_last_of('\\') + 1);
  return dir + "..\\bin\\default.skn";
}

// Scrolls from the top to the bottom one line at a time; returns the
// milliseconds taken and the number of steps.
double ScrollToBottom(TTreeView& Tree, int& Steps) {
  const HWND tree = Tree.Handle();
  SendMessageA(tree, WM_VSCROLL, SB_TOP, 0);
  Pump();
  UpdateWindow(tree);
  Steps = 0;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  const auto start = TClock::now();
  for (;;) {
    GetScrollInfo(tree, SB_VERT, &info);
    if (info.nPos + static_cast<int>(info.nPage) > info.nMax) break;
    SendMessageA(tree, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(tree, WM_VSCROLL, SB_ENDSCROLL, 0);
    // What the step made invalid is painted now: the tree, then the bar.
    Pump();
    ++Steps;
  }
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : DefaultSkinPath();
  const int nodes = argc > 2 ? std::atoi(argv[2]) : 5000;
  std::ifstream file(path, std::ios::binary);
  const TBytes blob((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (blob.empty()) {
    std::fprintf(stderr, "cannot read the skin %s\n", path.c_str());
    return 1;
  }
  Application->Initialize();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 400);
  auto* data = new TSkinData(&form);
  data->SetLoading(true);
  TBytes stream;
  SkinStream::Write(blob, stream);
  data->ReadBinaryProperty("SkinStream", stream);
  data->SetLoading(false);
  auto* tree = new TTreeView(&form);
  tree->SetParent(&form);
  tree->SetBounds(8, 8, 300, 360);
  form.Show();
  tree->Items().BeginUpdate();
  for (int i = 0; i < nodes; ++i) tree->Items().Add("Folder " + std::to_string(i));
  tree->Items().EndUpdate();
  Pump();

  int nativeSteps = 0, skinnedSteps = 0;
  const double native = ScrollToBottom(*tree, nativeSteps);
  auto* painter = new TSkinScrollbar(tree);
  painter->AttachScrollBars(tree, data, nullptr, nullptr);
  Pump();
  const double skinned = ScrollToBottom(*tree, skinnedSteps);
  delete painter;

  std::printf("tree of %d nodes scrolled line by line to the bottom (%d steps)\n", nodes,
              nativeSteps);
  std::printf("  native bar:  %.1f ms (%.3f ms a line)\n", native, native / nativeSteps);
  std::printf("  skinned bar: %.1f ms (%.3f ms a line)\n", skinned, skinned / skinnedSteps);
  std::printf("  skinned / native: %.2f\n", skinned / native);
  return 0;
}
