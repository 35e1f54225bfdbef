#include "x_session.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace varnelle::testing {

namespace {

using namespace std::chrono_literals;

pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extra_env) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  for (const std::string& assignment : extra_env) putenv(const_cast<char*>(assignment.c_str()));
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(20ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

VirtualDisplay::VirtualDisplay() {
  for (int number = 90 + static_cast<int>(getpid() % 50); number < 400; ++number) {
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    if (std::filesystem::exists(lock) || std::filesystem::exists(socket)) continue;
    name_ = ":" + std::to_string(number);
    pid_ =
        Spawn({"Xvfb", name_, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, {});
    for (int i = 0; i < 250 && !std::filesystem::exists(socket); ++i) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) break;  // lost the race for this number
      std::this_thread::sleep_for(20ms);
    }
    if (std::filesystem::exists(socket)) return;
    Stop(pid_);
    pid_ = -1;
  }
}

VirtualDisplay::~VirtualDisplay() {
  Stop(pid_);
}

std::string VirtualDisplay::Run(const std::string& command) const {
  const std::string full = "DISPLAY=" + name_ + " " + command + " 2>/dev/null";
  std::string output;
  if (FILE* pipe = popen(full.c_str(), "r")) {
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
      output += buffer.data();
    }
    pclose(pipe);
  }
  return output;
}

std::string VirtualDisplay::WaitForWindow(const std::string& title,
                                          std::chrono::seconds limit) const {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    std::istringstream ids(Run("xdotool search --onlyvisible --name '^" + title + "$'"));
    std::string id;
    if (ids >> id) return id;
    std::this_thread::sleep_for(100ms);
  }
  return {};
}

VirtualDisplay::Geometry VirtualDisplay::WindowGeometry(const std::string& id) const {
  std::istringstream lines(Run("xdotool getwindowgeometry --shell " + id));
  Geometry geometry;
  std::string line;
  while (std::getline(lines, line)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const int value = std::atoi(line.c_str() + equals + 1);
    if (key == "X") geometry.x = value;
    if (key == "Y") geometry.y = value;
    if (key == "WIDTH") geometry.width = value;
    if (key == "HEIGHT") geometry.height = value;
  }
  return geometry;
}

void VirtualDisplay::Key(const std::string& window, const std::string& keys) const {
  Run("xdotool windowfocus --sync " + window + " key --delay 30 " + keys);
}

void VirtualDisplay::Type(const std::string& window, const std::string& text) const {
  Run("xdotool windowfocus --sync " + window + " type --delay 30 '" + text + "'");
}

void VirtualDisplay::Click(const std::string& window, int x, int y, int button) const {
  // Relative to the window itself: under a window manager the reported position is not the
  // client area's. No --sync on the move: it waits for motion, and a pointer already there
  // never moves.
  Run("xdotool windowfocus --sync " + window + " mousemove --window " + window + " " +
      std::to_string(x) + " " + std::to_string(y) + " sleep 0.05 click " + std::to_string(button));
  std::this_thread::sleep_for(100ms);
}

void VirtualDisplay::Screenshot(const std::string& window, const std::string& name) const {
  const char* folder = std::getenv("VARNELLE_SCREENSHOT_DIR");
  if (folder == nullptr || *folder == '\0') return;
  std::this_thread::sleep_for(300ms);  // let the last paint land
  const Geometry at = WindowGeometry(window);
  const std::string crop = std::to_string(at.width) + "x" + std::to_string(at.height) + "+" +
                           std::to_string(at.x) + "+" + std::to_string(at.y);
  Run("import -window root -crop " + crop + " +repage '" + std::string(folder) + "/" + name +
      ".png'");
}

ProgramRun::ProgramRun(const std::filesystem::path& program, const VirtualDisplay& display) {
  // Started from another working folder: the data file must still be found beside the program.
  pid_ = Spawn({program.string()}, {"DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb"});
}

ProgramRun::~ProgramRun() {
  Stop(pid_);
}

std::optional<int> ProgramRun::WaitForExit(std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(50ms);
  }
  return std::nullopt;
}

std::filesystem::path InstallProgramCopy(const std::filesystem::path& folder) {
  const std::filesystem::path copy = folder / "varnelle";
  std::filesystem::copy_file(VARNELLE_PROGRAM, copy);
  return copy;
}

}  // namespace varnelle::testing
