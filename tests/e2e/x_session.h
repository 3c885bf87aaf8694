// A virtual X display of the test's own, a window manager on it when asked,
// the game as a child process on it, and xdotool and xwd to drive and watch
// it as a player would.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"

namespace vindra::e2e {

inline void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A point in time `ms` from now. Waits count real time against it, so a
// loop whose every look is slow (a loaded machine, a sanitizer build) still
// ends when it should.
class Deadline {
 public:
  explicit Deadline(int ms) : end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)) {}
  bool Passed() const { return std::chrono::steady_clock::now() >= end_; }
  int LeftMs() const {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
  }

 private:
  std::chrono::steady_clock::time_point end_;
};

// No single X client run (xdotool, xwd) may take longer than this.
constexpr int kClientTimeoutMs = 10000;
// Xvfb's start, up to accepting clients.
constexpr int kDisplayStartMs = 20000;

// For programs built with the sanitizers: what SDL's X11 video pulls in
// from the system's libraries may leak; our code may not.
inline std::string LeakCheckOptions() {
  return "LSAN_OPTIONS=suppressions=" TAZMIX_SOURCE_DIR "/tests/e2e/lsan_suppressions.txt:print_suppressions=0";
}

// Xvfb on a free display number, 1024 x 768 x 24; stopped on destruction.
//
// With -noreset. Without it the server resets whenever its last client
// leaves, and a reset drops every client it has accepted by then: when an
// xdotool poll ended just as the game connected, the game's connection was
// cut during its set-up, SDL found no X display and the game ended with
// "Can't open a window". The more loaded the machine, the wider that window.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
            "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the number it took once it accepts clients.
    std::string number;
    const Deadline deadline(kDisplayStartMs);
    for (char c = 0; c != '\n';) {
      pollfd ready{fds[0], POLLIN, 0};
      if (poll(&ready, 1, deadline.LeftMs()) <= 0 || read(fds[0], &c, 1) != 1) {
        number.clear();
        break;
      }
      if (c != '\n') number += c;
    }
    close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  ~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    // A server that does not end within 5 s is killed.
    const Deadline deadline(5000);
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
      if (deadline.Passed()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        return;
      }
      Sleep(10);
    }
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool Running() const { return !name_.empty(); }
  const std::string& Name() const { return name_; }  // ":<number>"

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// Runs an X client with the arguments on the display; its standard output.
inline std::string XClient(const VirtualDisplay& display, const std::string& program,
                           const std::vector<std::string>& args);

// A window manager (openbox) on the display, for what only a window manager
// carries out, such as a window's request for full screen; bare Xvfb has
// none. Stopped on destruction.
class WindowManager {
 public:
  explicit WindowManager(const VirtualDisplay& display) {
    if (!display.Running()) return;
    std::vector<std::string> env = {"DISPLAY=" + display.Name()};
    if (const char* home = getenv("HOME")) env.push_back(std::string("HOME=") + home);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execle("/usr/bin/openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr), envp.data());
      _exit(127);
    }
    // Ready once it has announced itself on the root window; its very first
    // start on a machine may build font caches first.
    for (int waited = 0; pid_ > 0 && waited <= 30000; waited += 50) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;  // it ended: there is none
        break;
      }
      if (XClient(display, "xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id") != std::string::npos) {
        ready_ = true;
        break;
      }
      Sleep(50);
    }
  }
  ~WindowManager() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  bool Running() const { return ready_; }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

struct Exit {
  bool running = true;  // still running when the wait ended
  bool exited = false;  // ended through exit (else by a signal)
  int code = -1;
  int signal_number = 0;
};

// A program on the display, without SDL_VIDEODRIVER, its standard error
// collected in a file. Killed on destruction if still running.
class Program {
 public:
  Program(const std::string& path, const std::vector<std::string>& args, const VirtualDisplay& display,
          const std::string& working_directory = "") {
    err_path_ = folder_.Path() + "/stderr";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string entry(*e);
      if (entry.rfind("SDL_VIDEODRIVER=", 0) == 0 || entry.rfind("DISPLAY=", 0) == 0) continue;
      env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display.Name());
    env.push_back(LeakCheckOptions());
    std::vector<char*> envp, argv;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> arg_text = args;
    arg_text.insert(arg_text.begin(), path);
    for (auto& a : arg_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      const int err = open(err_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(err, STDERR_FILENO);
      if (!working_directory.empty() && chdir(working_directory.c_str()) != 0) _exit(120);
      execve(path.c_str(), argv.data(), envp.data());
      _exit(121);
    }
  }
  ~Program() {
    if (pid_ > 0 && !reaped_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  pid_t Pid() const { return pid_; }

  // Waits up to `ms` for the program to end (0: only looks).
  Exit WaitForExit(int ms) {
    const Deadline deadline(ms);
    for (;;) {
      if (reaped_) return last_;
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        reaped_ = true;
        last_.running = false;
        last_.exited = WIFEXITED(status);
        last_.code = last_.exited ? WEXITSTATUS(status) : -1;
        last_.signal_number = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        return last_;
      }
      if (deadline.Passed()) return Exit{};
      Sleep(20);
    }
  }
  bool Running() { return WaitForExit(0).running; }

  // How the program ended, for failure messages.
  std::string Describe() {
    const Exit e = WaitForExit(0);
    if (e.running) return "still running; standard error: " + Stderr();
    return (e.exited ? "exited with " + std::to_string(e.code) : "killed by signal " + std::to_string(e.signal_number)) +
           "; standard error: " + Stderr();
  }

  std::string Stderr() const {
    std::ifstream in(err_path_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  tazmix::test::TempFolder folder_;
  pid_t pid_ = -1;
  bool reaped_ = false;
  Exit last_;
  std::string err_path_;
};

// Runs an X client with the arguments on the display; its standard output.
inline std::string XClient(const VirtualDisplay& display, const std::string& program,
                           const std::vector<std::string>& args) {
  std::vector<std::string> argv = args;
  argv.insert(argv.begin(), program);
  tazmix::test::ChildOptions options;
  options.environment = {"DISPLAY=" + display.Name()};
  options.timeout_ms = kClientTimeoutMs;
  return tazmix::test::RunChild("/usr/bin/" + program, argv, options).out;
}

inline std::string XDoTool(const VirtualDisplay& display, const std::vector<std::string>& args) {
  return XClient(display, "xdotool", args);
}

// The first visible window xdotool's search finds with `criteria` (such as
// {"--name", "^Title$"} or {"--pid", "123"}), waiting up to `ms` for it; ""
// when none appeared, or at once when `owner` (the program that is to open
// it) has ended.
inline std::string SearchWindow(const VirtualDisplay& display, const std::vector<std::string>& criteria, int ms,
                                Program* owner = nullptr) {
  std::vector<std::string> args = {"search", "--onlyvisible"};
  args.insert(args.end(), criteria.begin(), criteria.end());
  const Deadline deadline(ms);
  for (;;) {
    std::string out = XDoTool(display, args);
    if (const size_t end = out.find('\n'); end != std::string::npos && end > 0) return out.substr(0, end);
    if (deadline.Passed() || (owner && !owner->Running())) return "";
    Sleep(100);
  }
}

// The visible window with exactly this title, as SearchWindow.
inline std::string FindWindow(const VirtualDisplay& display, const std::string& title, int ms,
                              Program* owner = nullptr) {
  return SearchWindow(display, {"--name", "^" + title + "$"}, ms, owner);
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

inline Geometry WindowGeometry(const VirtualDisplay& display, const std::string& window) {
  Geometry g;
  std::istringstream lines(XDoTool(display, {"getwindowgeometry", "--shell", window}));
  for (std::string line; std::getline(lines, line);) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::atoi(line.c_str() + eq + 1);
    if (key == "X") g.x = value;
    if (key == "Y") g.y = value;
    if (key == "WIDTH") g.width = value;
    if (key == "HEIGHT") g.height = value;
  }
  return g;
}

// The whole screen as xwd sees it (a ZPixmap of 32 bits per pixel).
class Screenshot {
 public:
  explicit Screenshot(const VirtualDisplay& display) {
    const std::string xwd = XClient(display, "xwd", {"-root", "-silent"});
    auto field = [&](size_t index) -> uint32_t {
      const size_t at = index * 4;
      if (xwd.size() < at + 4) return 0;
      const auto* b = reinterpret_cast<const unsigned char*>(xwd.data() + at);
      return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3];
    };
    const uint32_t header = field(0), format = field(2), width = field(4), height = field(5);
    const uint32_t byte_order = field(7), bits = field(11), line = field(12), colours = field(19);
    // Xvfb stores depth 24 in 24 or 32 bits per pixel, by its pixmap formats.
    if (format != 2 || (bits != 24 && bits != 32) || width == 0 || width > 8192 || height > 8192) return;
    const size_t start = size_t(header) + size_t(colours) * 12;
    const size_t step = bits / 8;
    if (line < width * step || xwd.size() < start + size_t(line) * height) return;
    width_ = int(width);
    height_ = int(height);
    pixels_.resize(size_t(width) * height);
    for (uint32_t y = 0; y < height; ++y) {
      for (uint32_t x = 0; x < width; ++x) {
        const auto* p = reinterpret_cast<const unsigned char*>(xwd.data() + start + size_t(y) * line + x * step);
        uint32_t v = 0;
        for (size_t k = 0; k < step; ++k) v |= uint32_t(p[byte_order == 0 ? k : step - 1 - k]) << (8 * k);
        pixels_[size_t(y) * width + x] = v & 0xFFFFFF;
      }
    }
  }
  bool Valid() const { return width_ > 0; }
  uint32_t Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[size_t(y) * size_t(width_) + size_t(x)];
  }
  // How many pixels of the rectangle are not black.
  int LitPixels(int x, int y, int w, int h) const {
    int lit = 0;
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) lit += Pixel(i, j) != 0;
    }
    return lit;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace vindra::e2e
