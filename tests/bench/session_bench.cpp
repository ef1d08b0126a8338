// Measures a saver session of the real Quillane.scr against a program that only runs one 50 ms
// timer: start-up time, exit delay after the visual window goes, CPU time and peak memory.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "harness.h"

namespace {

using namespace e2e;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Usage {
  double cpuMs = 0;
  double peakKiB = 0;
};

Usage UsageOf(HANDLE process) {
  FILETIME created, exited, kernel, user;
  Usage usage;
  if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    auto ms = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    usage.cpuMs = ms(kernel) + ms(user);
  }
  PROCESS_MEMORY_COUNTERS memory{};
  if (GetProcessMemoryInfo(process, &memory, sizeof(memory))) usage.peakKiB = memory.PeakWorkingSetSize / 1024.0;
  return usage;
}

// One session: start to visual window, exit delay after the window goes, and usage over holdMs.
struct SessionFigures {
  double startMs, exitMs;
  Usage usage;
};

SessionFigures RunSession(SaverFolder& folder, DWORD holdMs) {
  const LARGE_INTEGER start = Now();
  Process saver(folder.Scr(), L"/s");
  WaitUntil([] { return FindTopLevel(L"QuillaneVC") != nullptr; }, 10000, 1);
  SessionFigures figures{MillisecondsSince(start), 0, {}};
  WaitUntil([] { return FindTopLevel(L"Quillane_Main") != nullptr; }, 10000, 1);
  Sleep(holdMs);
  figures.usage = UsageOf(saver.Handle());
  HWND visual = FindTopLevel(L"QuillaneVC");
  PostMessageW(visual, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindow(visual); }, 5000, 1);
  const LARGE_INTEGER gone = Now();
  saver.WaitForExit(5000);
  figures.exitMs = MillisecondsSince(gone);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const DWORD sessionMs = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 30000;
  SaverFolder folder;
  folder.AddFakeVisual();

  std::vector<double> starts, exits;
  for (int run = 0; run < 10; ++run) {
    const SessionFigures f = RunSession(folder, 300);
    starts.push_back(f.startMs);
    exits.push_back(f.exitMs);
  }
  const SessionFigures longSession = RunSession(folder, sessionMs);

  Process baseline(Join(FixtureDir(), L"baseline_timer.exe"), L"");
  Sleep(sessionMs);
  const Usage base = UsageOf(baseline.Handle());

  std::printf("%-44s %12s %12s\n", "figure", "Quillane", "baseline");
  std::printf("%-44s %12.1f %12s\n", "start to visual window, median of 10 (ms)", Median(starts), "-");
  std::printf("%-44s %12.1f %12s\n", "exit after visual window went, median (ms)", Median(exits), "-");
  std::printf("%-44s %12.1f %12s\n", "exit after visual window went, max (ms)",
              *std::max_element(exits.begin(), exits.end()), "-");
  std::printf("%-44s %12.1f %12.1f\n", "CPU time over the session (ms)", longSession.usage.cpuMs, base.cpuMs);
  std::printf("%-44s %12.0f %12.0f\n", "peak working set (KiB)", longSession.usage.peakKiB, base.peakKiB);
  std::printf("(session of %lu ms)\n", static_cast<unsigned long>(sessionMs));
  return 0;
}
