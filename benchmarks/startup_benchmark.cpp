#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <memory>
#include <vector>

#include "ProcessStatus.h"

// Process start to window shown (the window mapped on the X display), for Lumora and for
// an empty Qt 6 window the suite builds, alternating, and the resident memory and shared
// libraries of each once its start-up has settled.
namespace {

using Clock = std::chrono::steady_clock;

struct StartUp {
  double shownMs = 0;
  double rssMiB = 0;
  double sharedLibraries = 0;
};

// The shared libraries mapped into the process.
double sharedLibraries(qint64 pid) {
  QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
  if (!maps.open(QIODevice::ReadOnly)) return 0;
  QSet<QByteArray> libraries;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const QByteArray path = line.mid(line.indexOf('/'));
    if (line.contains('/') && path.contains(".so")) libraries.insert(path);
  }
  return libraries.size();
}

// Waits for the first top-level window mapped on the display, for at most `limit`.
bool waitForMap(xcb_connection_t* x, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
  while (Clock::now() < deadline) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      free(event);
      if (mapped) return true;
    }
    poll(&fd, 1, 5);
  }
  return false;
}

std::optional<StartUp> startOnce(xcb_connection_t* x, const QString& program, bool silentSound) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  // Without a device SDL probes every driver: the slow case the window must not wait for.
  if (!silentSound) env.remove("SDL_AUDIODRIVER");
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const auto start = Clock::now();
  process.start(program, {});
  if (!process.waitForStarted() || !waitForMap(x, std::chrono::seconds(10))) return std::nullopt;
  StartUp result;
  result.shownMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  QThread::msleep(1000);  // let the sound device open and the first paint settle
  result.rssMiB = residentMiB(QString::number(process.processId()));
  result.sharedLibraries = sharedLibraries(process.processId());
  ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
  if (!process.waitForFinished(5000)) process.kill();
  return result;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void BM_StartUpWindowShown(benchmark::State& state) {
  std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> x(xcb_connect(nullptr, nullptr),
                                                                   xcb_disconnect);
  if (xcb_connection_has_error(x.get())) {
    state.SkipWithError("needs an X display: run under xvfb-run");
    return;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x.get())).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x.get(), screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x.get());

  constexpr int kRuns = 5;
  std::vector<double> lumoraMs, emptyMs, lumoraRss, emptyRss;
  double lumoraLibraries = 0, emptyLibraries = 0;
  for (auto _ : state) {
    for (int run = -1; run < kRuns; ++run) {  // run -1 warms the caches
      const auto empty = startOnce(x.get(), QStringLiteral(EMPTY_QT_WINDOW), true);
      const auto lumora = startOnce(x.get(), QStringLiteral(LUMORA_EXECUTABLE), false);
      if (!empty || !lumora) {
        state.SkipWithError("a window was not shown within 10 s");
        return;
      }
      if (run < 0) continue;
      emptyMs.push_back(empty->shownMs);
      lumoraMs.push_back(lumora->shownMs);
      emptyRss.push_back(empty->rssMiB);
      lumoraRss.push_back(lumora->rssMiB);
      lumoraLibraries = lumora->sharedLibraries;
      emptyLibraries = empty->sharedLibraries;
    }
    state.SetIterationTime(median(lumoraMs) / 1000);
  }
  state.counters["lumora_ms"] = median(lumoraMs);
  state.counters["empty_qt_ms"] = median(emptyMs);
  state.counters["ratio"] = median(lumoraMs) / median(emptyMs);
  state.counters["lumora_rss_MiB"] = median(lumoraRss);
  state.counters["empty_qt_rss_MiB"] = median(emptyRss);
  state.counters["lumora_libraries"] = lumoraLibraries;
  state.counters["empty_qt_libraries"] = emptyLibraries;
}
BENCHMARK(BM_StartUpWindowShown)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
