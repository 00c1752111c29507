// The splash path of the kit: each of the 35 splash frames (495 x 331 RGBA PNG) decoded,
// composed and presented through SetImageData on an attached layered window, beside the PNG
// decode alone on the same frames in the same run. Prints the median and maximum per frame.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "assets/Assets.h"
#include "platform/win32/Window.h"
#include "uikit/Decode.h"
#include "uikit/Kit.h"
#include "uikit/LayeredImageHost.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

struct Figures {
  double median{0};
  double maximum{0};
};

Figures Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

constexpr char kBenchClass[] = "KitBenchWindow";

win32::HWND CreateSplashSizedWindow() {
  win32::WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = win32::DefWindowProcA;
  wc.hInstance = win32::GetModuleHandleA(nullptr);
  wc.lpszClassName = kBenchClass;
  win32::RegisterClassExA(&wc);
  return win32::CreateWindowExA(0, kBenchClass, "", win32::WS_POPUP | win32::WS_VISIBLE, 100, 100,
                                495, 331, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

  uikit::CreateHost();
  uikit::KitStartup();
  win32::HWND window = CreateSplashSizedWindow();
  uikit::LayeredImageHost* host = uikit::Host();
  if (window == nullptr || !host->Attach(window)) {
    std::fprintf(stderr, "kit_bench: no window to attach to\n");
    return 1;
  }

  std::vector<double> whole;
  std::vector<double> decodeOnly;
  int failed = 0;
  for (int round = 0; round < rounds; ++round) {
    for (int n = 1; n <= assets::SplashFrameCount(); ++n) {
      const bytes::ByteBlockView frame = assets::SplashFrame(n);
      Clock::time_point start = Clock::now();
      gdiplus::GpImage* image = uikit::DecodeImage(frame);
      decodeOnly.push_back(Milliseconds(Clock::now() - start));
      uikit::DisposeImage(image);

      start = Clock::now();
      if (!host->SetImageData(frame)) ++failed;
      whole.push_back(Milliseconds(Clock::now() - start));
      app.processEvents();
    }
  }

  const Figures w = Summarise(whole);
  const Figures d = Summarise(decodeOnly);
  std::printf("kit_bench: %zu frames of 495 x 331 (%d rounds of %d), %d not shown\n", whole.size(),
              rounds, assets::SplashFrameCount(), failed);
  std::printf("  decode, compose, present (SetImageData): median %.2f ms, max %.2f ms\n", w.median,
              w.maximum);
  std::printf("  PNG decode alone (DecodeImage):           median %.2f ms, max %.2f ms\n", d.median,
              d.maximum);
  std::printf("  whole path / decode alone (medians):      %.2f\n",
              d.median > 0 ? w.median / d.median : 0.0);
  win32::DestroyWindow(window);
  uikit::KitExit();
  return failed == 0 ? 0 : 1;
}
