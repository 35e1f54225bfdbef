#include "support/temp_folder.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace varnelle::testing {

TempFolder::TempFolder() {
  std::string name = (std::filesystem::temp_directory_path() / "store-test-XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = name;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
  for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
       it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  }
  std::filesystem::remove_all(path_, error);
}

std::vector<std::filesystem::path> TempFolder::Entries() const {
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string HexBytes(std::string_view hex) {
  std::string bytes;
  std::size_t i = 0;
  while (i < hex.size()) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    i += 2;
  }
  return bytes;
}

int RunInChild(const std::function<int()>& body, bool unprivileged) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (unprivileged && ::geteuid() == 0) {
      constexpr gid_t kNobodyGroup = 65534;
      constexpr uid_t kNobodyUser = 65534;
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobodyGroup) != 0 ||
          ::setuid(kNobodyUser) != 0) {
        ::_exit(250);
      }
    }
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace varnelle::testing
