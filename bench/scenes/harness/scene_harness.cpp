#include "bench/scenes/harness/scene_harness.h"

#include <GL/gl.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

#include "bench/scenes/harness/allocation_counter.h"
#include "draw2d/draw2d.h"
#include "font/freetype_font.h"
#include "glback/gl_graphics.h"
#include "glback/gl_vex2d_driver.h"
#include "graphics/graphics.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "system/system_driver.h"

namespace tazmix::bench {

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
constexpr const char* kUsage =
    "usage: <program> sprites|wordgrid [N] [--warmup W] [--frames F] [--assets DIR] [--font TTF] "
    "[--check OUT.ppm]\n";

bool ParseCount(const char* text, int32_t min, int32_t& out) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < min || value > 100000000) return false;
  out = static_cast<int32_t>(value);
  return true;
}

// RunApplication changes to the program's folder; paths the caller gave are
// relative to where it was started.
std::string Absolute(const std::string& path) {
  return path.empty() ? path : std::filesystem::absolute(path).string();
}

double Seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double PeakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  if (n == 0) return 0;
  return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) * 0.5;
}

// Filled by RunScene before RunApplication calls SceneMain.
SceneOptions run_options;
std::unique_ptr<Scene> (*make_scene)(const SceneOptions&) = nullptr;

// Everything up to the Flip of one frame.
void DrawFrame(Scene& scene, int32_t frame) {
  PollSystem();
  scene.Update(frame);
  Cls();
  scene.Draw(frame);
}

void ShowFrame() {
  Flip(0);
  glFinish();
}

int CheckScene(Scene& scene, const SceneOptions& options) {
  for (int32_t frame = 0; frame < 2; ++frame) {
    DrawFrame(scene, frame);
    ShowFrame();
  }
  DrawFrame(scene, 2);
  const Ref<TPixmap> grabbed = GrabPixmap(0, 0, kSceneWidth, kSceneHeight);
  ShowFrame();
  const bool written = grabbed && WritePPM(*grabbed, options.check);
  if (!written) std::fprintf(stderr, "cannot write %s\n", options.check.c_str());
  const bool ok = written && scene.Check(*grabbed);
  std::printf("CHECK lib=tazmix scene=%s %s\n", options.scene.c_str(), ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}

int MeasureScene(Scene& scene, const SceneOptions& options) {
  int32_t frame = 0;
  for (; frame < options.warmup; ++frame) {
    DrawFrame(scene, frame);
    ShowFrame();
  }
  SceneTimer timer(options.frames);
  timer.Start();
  for (int32_t i = 0; i < options.frames; ++i, ++frame) {
    DrawFrame(scene, frame);
    ShowFrame();
    timer.Lap();
  }
  timer.Stop();
  timer.PrintResult(options.scene, scene.Count());
  return 0;
}

int SceneMain() {
  const SceneOptions& options = run_options;
  InitGLVex2DDriver();
  InitFreeTypeFont();
  InitPNGLoader();
  if (!OpenGraphics(kSceneWidth, kSceneHeight, 0, 0, 0)) {
    std::fprintf(stderr, "no 800x600 GL window\n");
    return 1;
  }
  SetClsColor(24, 48, 80);
  // A scene measures drawing: a frame that repeats the last is drawn too.
  SetRepeatedFrameSkip(0);
  std::unique_ptr<Scene> scene = make_scene(options);
  int code = 1;
  if (scene && scene->Load(options)) {
    std::fflush(stdout);
    code = options.check.empty() ? MeasureScene(*scene, options) : CheckScene(*scene, options);
  }
  scene.reset();
  EndGraphics();
  std::fflush(stdout);
  return code;
}

}  // namespace

bool ParseSceneOptions(int argc, char** argv, SceneOptions& options, std::string& error) {
  options = SceneOptions{};
  options.assets = TAZMIX_BENCH_DATA_DIR;
  options.font = kDefaultFont;
  int32_t positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--warmup" || arg == "--frames") {
      int32_t& target = arg == "--warmup" ? options.warmup : options.frames;
      if (!has_value || !ParseCount(argv[++i], arg == "--warmup" ? 0 : 1, target)) {
        error = arg + " needs a number";
        return false;
      }
    } else if (arg == "--assets" || arg == "--font" || arg == "--check") {
      if (!has_value) {
        error = arg + " needs a path";
        return false;
      }
      std::string& target = arg == "--assets" ? options.assets : arg == "--font" ? options.font : options.check;
      target = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (positional == 0) {
      options.scene = arg;
      ++positional;
    } else if (positional == 1) {
      if (!ParseCount(arg.c_str(), 1, options.n)) {
        error = "N must be a positive number";
        return false;
      }
      ++positional;
    } else {
      error = "unexpected argument " + arg;
      return false;
    }
  }
  if (options.scene.empty()) {
    error = "no scene named";
    return false;
  }
  options.assets = Absolute(options.assets);
  options.font = Absolute(options.font);
  options.check = Absolute(options.check);
  return true;
}

int RunScene(int argc, char** argv, std::unique_ptr<Scene> (*make)(const SceneOptions& options)) {
  std::string error;
  if (!ParseSceneOptions(argc, argv, run_options, error)) {
    std::fprintf(stderr, "%s\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (!make(run_options)) {
    std::fprintf(stderr, "this program does not draw the scene %s\n%s", run_options.scene.c_str(), kUsage);
    return 2;
  }
  make_scene = make;
  return RunApplication(argc, argv, SceneMain);
}

SceneTimer::SceneTimer(int32_t frames) { wall_.reserve(static_cast<size_t>(frames > 0 ? frames : 0)); }

void SceneTimer::Start() {
  allocs_start_ = AllocationCount();
  cpu_start_ = Seconds(CLOCK_PROCESS_CPUTIME_ID);
  lap_start_ = Seconds(CLOCK_MONOTONIC);
}

void SceneTimer::Lap() {
  const double now = Seconds(CLOCK_MONOTONIC);
  // Within the reserved room, so timing allocates nothing itself.
  if (wall_.size() < wall_.capacity()) wall_.push_back(now - lap_start_);
  lap_start_ = now;
}

void SceneTimer::Stop() {
  cpu_end_ = Seconds(CLOCK_PROCESS_CPUTIME_ID);
  allocs_end_ = AllocationCount();
}

void SceneTimer::PrintResult(const std::string& scene, int32_t n) const {
  const double frames = wall_.empty() ? 1.0 : static_cast<double>(wall_.size());
  // What the last frame cost GL, beside the time.
  const FrameStats gl = LastFrameStats();
  std::printf(
      "RESULT lib=tazmix scene=%s n=%d frames=%zu wall_ms=%.3f cpu_ms=%.3f rss_mib=%.1f allocs_per_frame=%.2f "
      "draws=%d binds=%d vertices=%d repeated=%d\n",
      scene.c_str(), n, wall_.size(), Median(wall_) * 1e3, (cpu_end_ - cpu_start_) * 1e3 / frames, PeakRssMiB(),
      static_cast<double>(allocs_end_ - allocs_start_) / frames, gl.draws, gl.binds, gl.vertices, gl.repeated);
  std::fflush(stdout);
}

Ref<TImage> LoadSceneImage(const SceneOptions& options, const char* name) {
  const std::string path = options.assets + "/" + name;
  Ref<TImage> image = LoadImage(String::FromUTF8String(path), IMAGE_FILTERED);
  if (!image) std::fprintf(stderr, "cannot load %s\n", path.c_str());
  return image;
}

bool WritePPM(const TPixmap& frame, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", frame.width, frame.height);
  std::vector<uint8_t> row(static_cast<size_t>(frame.width) * 3);
  bool ok = true;
  for (int32_t y = 0; y < frame.height && ok; ++y) {
    for (int32_t x = 0; x < frame.width; ++x) {
      const Rgb c = PixelAt(frame, x, y);
      row[static_cast<size_t>(x) * 3] = static_cast<uint8_t>(c.r);
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(c.g);
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(c.b);
    }
    ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
  }
  return std::fclose(file) == 0 && ok;
}

Rgb PixelAt(const TPixmap& frame, int32_t x, int32_t y) {
  const int32_t argb = frame.ReadPixel(x, y);
  return Rgb{(argb >> 16) & 255, (argb >> 8) & 255, argb & 255};
}

int32_t CountPixels(const TPixmap& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool (*test)(Rgb)) {
  int32_t n = 0;
  for (int32_t y = std::max(y0, 0); y < std::min(y1, frame.height); ++y) {
    for (int32_t x = std::max(x0, 0); x < std::min(x1, frame.width); ++x) n += test(PixelAt(frame, x, y));
  }
  return n;
}

bool IsClearColor(Rgb c) { return c.r == 24 && c.g == 48 && c.b == 80; }
bool IsWhite(Rgb c) { return c.r >= 200 && c.g >= 200 && c.b >= 200; }
bool IsDark(Rgb c) { return c.r < 100 && c.g < 100 && c.b < 100; }

}  // namespace tazmix::bench
