// What the skinned frame costs on a 1920-wide window with the program's
// skin: building the window region for 1920 x 1080 (UpdateWindowRegion's
// work), and one PaintNonClient, split into its parts.
//   bench_FrameBench [skin file] [repetitions]
// The skin file defaults to default.skn beside the program.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "skin/archive/SkinStream.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/WindowRegion.h"
#include "skin/imaging/FrameGeometry.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

double TimeMs(int Repetitions, const std::function<void()>& Work) {
  std::vector<double> times;
  for (int i = 0; i < Repetitions; ++i) {
    const auto start = TClock::now();
    Work();
    times.push_back(std::chrono::duration<double, std::milli>(TClock::now() - start).count());
  }
  return Median(times);
}

void Pump(DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

std::string DefaultSkinPath() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string dir(exe);
  dir.resize(dir.find_last_of('\\') + 1);
  return dir + "..\\bin\\default.skn";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : DefaultSkinPath();
  const int repetitions = argc > 2 ? std::atoi(argv[2]) : 50;
  std::ifstream file(path, std::ios::binary);
  const TBytes blob((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (blob.empty()) {
    std::fprintf(stderr, "cannot read the skin %s\n", path.c_str());
    return 1;
  }
  Application->Initialize();
  TForm form(nullptr);
  form.SetBounds(0, 0, 1920, 1080);
  form.SetText("FERNWICK (fernwick.example, Build 20130612");
  auto* data = new TSkinData(&form);
  data->SetLoading(true);
  TBytes stream;
  SkinStream::Write(blob, stream);
  data->ReadBinaryProperty("SkinStream", stream);
  data->SetActive(true);
  form.HandleNeeded();
  data->Loaded();
  form.Show();
  TWinSkinForm* skinner = nullptr;
  for (int i = 0; i < 200 && !(skinner && skinner->SkinState() == 1); ++i) {
    Pump(20);
    skinner = TSkinManage::Instance()->FindFormSkinner(form.WindowHandle());
  }
  if (!skinner) {
    std::fprintf(stderr, "the window was not skinned\n");
    return 1;
  }
  SetWindowPos(form.WindowHandle(), nullptr, 0, 0, 1920, 1080, SWP_NOZORDER | SWP_NOMOVE);
  Pump(100);
  RECT w;
  GetWindowRect(form.WindowHandle(), &w);
  std::printf("window: %ld x %ld, frame %d/%d/%d/%d\n", w.right - w.left, w.bottom - w.top,
              skinner->LeftWidth(), skinner->TitleHeight(), skinner->RightWidth(),
              skinner->BottomHeight());

  const TParsedSkin& skin = data->Skin();
  TFrameRegionInput input;
  input.Skin = &skin;
  input.Metrics = FrameMetricsOf(skin);
  input.Width = 1920;
  input.Height = 1080;
  const double region = TimeMs(repetitions, [&] { DeleteObject(BuildFrameRegion(input)); });
  const double regionSet = TimeMs(
      repetitions, [&] { SetWindowRgn(form.WindowHandle(), BuildFrameRegion(input), FALSE); });
  std::printf("UpdateWindowRegion 1920x1080: build %.3f ms, build and set %.3f ms (median of %d)\n",
              region, regionSet, repetitions);

  const double paint = TimeMs(repetitions, [&] { skinner->PaintNonClient(nullptr); });
  const TFrameMetrics& m = input.Metrics;
  const double sides = TimeMs(repetitions, [&] {
    BuildBorderPiece(*skin.FrameLeft, bsLeftBorder, m.LeftWidth, 1080, true);
    BuildBorderPiece(*skin.FrameRight, bsRightBorder, m.RightWidth, 1080, true);
    BuildBorderPiece(*skin.FrameBottom, bsBottomBorder, 1920 - m.LeftWidth - m.RightWidth,
                     m.BottomHeight, true);
  });
  const double top = TimeMs(repetitions, [&] {
    BuildBorderPiece(*skin.FrameTop, bsTopBorder, 1920 - m.LeftWidth - m.RightWidth, m.TitleHeight,
                     true);
  });
  const TPixelBuffer title(1920, m.TitleHeight);
  HDC dc = GetWindowDC(form.WindowHandle());
  const double blit = TimeMs(repetitions, [&] { DrawPixelBuffer(dc, 0, 0, title); });
  ReleaseDC(form.WindowHandle(), dc);
  std::printf("PaintNonClient 1920 wide: %.3f ms (median of %d)\n", paint, repetitions);
  std::printf(
      "  of which: side and bottom pieces %.3f ms, top piece %.3f ms, "
      "one title-sized copy to the window %.3f ms\n",
      sides, top, blit);
  return 0;
}
