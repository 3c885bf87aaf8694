// What every whole-program scene shares: the command line, the frame loop
// with its timing, the result line, and the --check frame written as a PPM.
//
//   <program> sprites|wordgrid [N] [--warmup W] [--frames F] [--assets DIR]
//             [--font TTF] [--check OUT.ppm]
//
// A frame is: poll input, update, Cls, draw, Flip(0), glFinish(), so the
// software rasteriser's work counts in the frame it belongs to. The result
// line reads
//   RESULT lib=tazmix scene=<name> n=<N> frames=<F> wall_ms=<median> cpu_ms=<mean> rss_mib=<peak>
//          allocs_per_frame=<mean>
// where allocs_per_frame counts operator new calls of the measured frames.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw2d/image.h"
#include "pixmap/pixmap.h"

namespace tazmix::bench {

inline constexpr int32_t kSceneWidth = 800;
inline constexpr int32_t kSceneHeight = 600;

struct SceneOptions {
  std::string scene;
  int32_t n = 1000;
  int32_t warmup = 30;
  int32_t frames = 300;
  std::string assets;  // folder holding sprite.png, tile.png, clock.png, hand.png
  std::string font;    // TrueType file
  std::string check;   // PPM to write in check mode; empty when measuring
};

// Reads the command line; false with a message in `error` when it is not
// one of the forms above.
bool ParseSceneOptions(int argc, char** argv, SceneOptions& options, std::string& error);

class Scene {
 public:
  virtual ~Scene() = default;
  // Loads pictures and fonts once the window is open; false when something
  // is missing (the message goes to standard error).
  virtual bool Load(const SceneOptions& options) = 0;
  // The n of the result line.
  virtual int32_t Count() const = 0;
  // Moves the scene on to frame `frame` (0 is the first frame drawn).
  virtual void Update(int32_t frame) = 0;
  // Draws frame `frame` after the screen has been cleared.
  virtual void Draw(int32_t frame) = 0;
  // Whether a frame read back (800 x 600, top row first) shows the scene.
  virtual bool Check(const TPixmap& frame) const = 0;
};

// The whole program: parses the command line, opens an 800 x 600 window
// cleared to RGB (24, 48, 80), lets `make` build the scene and then either
// measures it or checks it. Returns the exit code (2 for a bad command line).
int RunScene(int argc, char** argv, std::unique_ptr<Scene> (*make)(const SceneOptions& options));

// Times the measured frames of a scene, however its frame loop is run.
class SceneTimer {
 public:
  explicit SceneTimer(int32_t frames);
  // The first measured frame begins.
  void Start();
  // A frame has ended (and the next one begins).
  void Lap();
  // After the last measured frame.
  void Stop();
  // The RESULT line on standard output.
  void PrintResult(const std::string& scene, int32_t n) const;

 private:
  std::vector<double> wall_;
  double lap_start_ = 0;
  double cpu_start_ = 0;
  double cpu_end_ = 0;
  uint64_t allocs_start_ = 0;
  uint64_t allocs_end_ = 0;
};

// `name` from the scene's assets, filtered; Null (after a line on standard
// error) when it cannot be loaded.
Ref<TImage> LoadSceneImage(const SceneOptions& options, const char* name);

// A frame read back (top row first) as a binary PPM; false when it cannot be written.
bool WritePPM(const TPixmap& frame, const std::string& path);

// The scenes' random numbers: xorshift32, a seed of 0 becomes 1.
class XorShift32 {
 public:
  explicit XorShift32(uint32_t seed) : s_(seed != 0 ? seed : 1u) {}
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  // lo + (hi - lo) * (Next() >> 8) / 2^24 in single precision.
  float Uniform(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(Next() >> 8) / 16777216.0f;
  }

 private:
  uint32_t s_;
};

// Pixel tests for Scene::Check.
struct Rgb {
  int32_t r = 0;
  int32_t g = 0;
  int32_t b = 0;
};
Rgb PixelAt(const TPixmap& frame, int32_t x, int32_t y);
// Counts the pixels of the rectangle [x0, x1) x [y0, y1) for which `test` holds.
int32_t CountPixels(const TPixmap& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                    bool (*test)(Rgb));
bool IsClearColor(Rgb c);
bool IsWhite(Rgb c);  // every channel 200 or more
bool IsDark(Rgb c);   // every channel below 100

}  // namespace tazmix::bench
