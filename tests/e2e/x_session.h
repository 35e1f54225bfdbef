#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnelle::testing {

// A virtual X server for the length of a test, on a display number nobody else uses.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool ok() const { return pid_ > 0; }
  const std::string& name() const { return name_; }  // ":93"

  // Runs an X client command (xdotool, import, xclip) against this display; its output.
  std::string Run(const std::string& command) const;
  // Waits for a visible window whose title is exactly `title`; its id, or empty on time-out.
  std::string WaitForWindow(const std::string& title, std::chrono::seconds limit) const;

  struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
  };
  Geometry WindowGeometry(const std::string& id) const;

  // Gives `window` the keyboard (there is no window manager to do it) and sends it keys, typed
  // text or a click at a point of its client area.
  void Key(const std::string& window, const std::string& keys) const;
  void Type(const std::string& window, const std::string& text) const;
  void Click(const std::string& window, int x, int y, int button = 1) const;

  // When VARNELLE_SCREENSHOT_DIR is set, saves what the screen shows over `window` (menus and
  // notices on it included) there as `name`.png; otherwise does nothing.
  void Screenshot(const std::string& window, const std::string& name) const;

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// The real program as its own process on a virtual display.
class ProgramRun {
 public:
  ProgramRun(const std::filesystem::path& program, const VirtualDisplay& display);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // The exit status once the process has ended, or nothing if it is still running at the limit.
  std::optional<int> WaitForExit(std::chrono::seconds limit);

 private:
  pid_t pid_ = -1;
};

// Copies the built program into `folder`, so its data file is written beside that copy.
std::filesystem::path InstallProgramCopy(const std::filesystem::path& folder);

}  // namespace varnelle::testing
