// The game's window as a player meets it on a virtual display: started, its
// screens told apart on screenshots, clicked and keyed with xdotool. Every
// wait is bounded and gives up at once when the game has ended.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/x_session.h"

namespace vindra::e2e {

inline const std::string kGameTitle = "Vindra! - QMC #37 - Dravik - v1.05";

class GameWindow {
 public:
  explicit GameWindow(const VirtualDisplay& display) : display_(display) {}

  // Starts the program and waits up to `ms` for its window.
  ::testing::AssertionResult Start(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& working_directory = "", int ms = 30000) {
    game_ = std::make_unique<Program>(program, args, display_, working_directory);
    window_ = FindWindow(display_, kGameTitle, ms, game_.get());
    if (window_.empty()) {
      return ::testing::AssertionFailure() << "no window titled \"" << kGameTitle << "\"; the game "
                                           << game_->Describe();
    }
    geometry_ = WindowGeometry(display_, window_);
    return ::testing::AssertionSuccess();
  }

  Program& Game() { return *game_; }
  const Geometry& WindowArea() const { return geometry_; }
  const std::string& Id() const { return window_; }

  // Waits up to `ms` until the screen satisfies `test`, looking every 100 ms.
  ::testing::AssertionResult WaitForScreen(const std::string& what, const std::function<bool(const Screenshot&)>& test,
                                           int ms = 20000) {
    const Deadline deadline(ms);
    for (;;) {
      Screenshot shot(display_);
      if (shot.Valid() && test(shot)) return ::testing::AssertionSuccess();
      if (deadline.Passed() || !game_->Running()) break;
      Sleep(100);
    }
    return ::testing::AssertionFailure() << "waited in vain for " << what << "; the game " << game_->Describe();
  }
  ::testing::AssertionResult WaitForTitle(int ms = 20000) {
    return WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }, ms);
  }
  ::testing::AssertionResult WaitForRound(int ms = 20000) {
    return WaitForScreen("a round", [&](const Screenshot& s) { return RoundShown(s); }, ms);
  }

  // Lit pixels of a rectangle given in window coordinates.
  int Lit(const Screenshot& shot, int x, int y, int w, int h) const {
    return shot.LitPixels(geometry_.x + x, geometry_.y + y, w, h);
  }
  // Title picture and first button, and no grid.
  bool TitleShown(const Screenshot& shot) const {
    const int w = geometry_.width;
    return Lit(shot, w / 2 - 98, 70, 196, 60) > 200 && Lit(shot, w / 2 - 112, 200, 225, 75) > 500 &&
           Lit(shot, 10, 10, 80, 80) == 0;
  }
  // The grid's first cells and the clock.
  bool RoundShown(const Screenshot& shot) const {
    const int w = geometry_.width;
    return Lit(shot, 10, 10, 80, 80) > 1000 && Lit(shot, w - 220, 20, 200, 200) > 5000;
  }

  // One xdotool run: the server takes the move before the click. (No
  // --sync: it waits for a move that never comes when the pointer is there
  // already.)
  void Click(int x, int y) { MultiClick(x, y, 1, 0); }
  // A run of `count` presses of the left button at one spot, `delay_ms`
  // apart: what the window system makes a double (or triple) click of.
  void MultiClick(int x, int y, int count, int delay_ms) {
    XDoTool(display_, {"mousemove", std::to_string(geometry_.x + x), std::to_string(geometry_.y + y), "click",
                       "--repeat", std::to_string(count), "--delay", std::to_string(delay_ms), "1"});
  }
  // Keys go to the window under the pointer: there is no window manager.
  void Key(const std::string& name) {
    XDoTool(display_, {"mousemove", std::to_string(geometry_.x + geometry_.width - 5),
                       std::to_string(geometry_.y + geometry_.height - 5), "key", name});
  }

 private:
  const VirtualDisplay& display_;
  std::unique_ptr<Program> game_;
  std::string window_;
  Geometry geometry_;
};

}  // namespace vindra::e2e
