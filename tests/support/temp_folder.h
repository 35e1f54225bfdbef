#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelle::testing {

// A fresh empty folder under the system's temporary folder, removed with everything in it when
// the object goes away (permissions a test took away are given back first).
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  // The names of the entries in the folder, sorted.
  std::vector<std::filesystem::path> Entries() const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// The bytes that a string of hexadecimal pairs separated by spaces stands for: "C5 E4" ->
// "\xC5\xE4".
std::string HexBytes(std::string_view hex);

// Runs `body` in a forked child process and returns its exit status, or -1 when the child did not
// exit normally. With `unprivileged`, a child running as root first becomes user and group 65534,
// so that file permission bits bind it as they bind an ordinary user.
int RunInChild(const std::function<int()>& body, bool unprivileged);

}  // namespace varnelle::testing
