#include "store/platform_file.h"

#include <cerrno>
#include <cstddef>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnelle {
namespace {

#ifdef _WIN32

std::error_code LastError() {
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

// Closes the handle when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now, reporting the failure of the close.
  std::error_code Close() {
    const BOOL closed = ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed ? std::error_code() : LastError();
  }

 private:
  HANDLE handle_;
};

#else

std::error_code LastError() {
  return std::error_code(errno, std::system_category());
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (valid()) ::close(fd_);
  }
  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Closes now, reporting the failure of the close.
  std::error_code Close() {
    const int closed = ::close(fd_);
    fd_ = -1;
    return closed == 0 ? std::error_code() : LastError();
  }

 private:
  int fd_;
};

#endif

}  // namespace

#ifdef _WIN32

std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  std::error_code status_error;
  if (std::filesystem::is_directory(path, status_error)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  // Shared for writing and deleting too: a sync client or a virus scanner holding the file open
  // must not make it unreadable.
  Handle file(::CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    return std::error_code(static_cast<int>(error), std::system_category());
  }
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
      const std::error_code error = LastError();
      bytes.clear();
      return error;
    }
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return file.Close();
}

std::error_code WriteFileToDisk(const std::filesystem::path& path, std::string_view bytes,
                                bool exclusive) {
  Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            exclusive ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
      return std::make_error_code(std::errc::file_exists);
    }
    return std::error_code(static_cast<int>(error), std::system_category());
  }
  std::error_code error;
  while (!bytes.empty() && !error) {
    const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) {
      error = LastError();
    } else {
      bytes.remove_prefix(written);
    }
  }
  if (!error && !::FlushFileBuffers(file.get())) error = LastError();
  const std::error_code close_error = file.Close();
  if (!error) error = close_error;
  if (error) ::DeleteFileW(path.c_str());
  return error;
}

std::error_code MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!::MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastError();
  }
  return std::error_code();
}

// The file system's own journal keeps folder entries; there is nothing to flush separately.
std::error_code SyncFolder(const std::filesystem::path&) {
  return std::error_code();
}

std::error_code RemoveFile(const std::filesystem::path& path) {
  if (!::DeleteFileW(path.c_str())) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::error_code();
    return std::error_code(static_cast<int>(error), std::system_category());
  }
  return std::error_code();
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_s(&local, &now);
  return local;
}

#else

std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) return LastError();
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return LastError();
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t read = ::read(file.get(), buffer, sizeof buffer);
    if (read < 0) {
      if (errno == EINTR) continue;
      const std::error_code error = LastError();
      bytes.clear();
      return error;
    }
    if (read == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(read));
  }
  return std::error_code();
}

std::error_code WriteFileToDisk(const std::filesystem::path& path, std::string_view bytes,
                                bool exclusive) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
  // Readable by its owner only: the file holds passwords.
  Descriptor file(::open(path.c_str(), flags, 0600));
  if (!file.valid()) return LastError();
  std::error_code error;
  while (!bytes.empty() && !error) {
    const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno != EINTR) error = LastError();
    } else {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  if (!error && ::fsync(file.get()) != 0) error = LastError();
  const std::error_code close_error = file.Close();
  if (!error) error = close_error;
  if (error) ::unlink(path.c_str());
  return error;
}

std::error_code MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
  // The rename has happened; a failed flush of the folder cannot undo it, and the caller must
  // not believe the old file is still in place, so it is not reported.
  SyncFolder(to.parent_path());
  return std::error_code();
}

std::error_code SyncFolder(const std::filesystem::path& folder) {
  const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
  Descriptor dir(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid()) return LastError();
  if (::fsync(dir.get()) != 0) return LastError();
  return dir.Close();
}

std::error_code RemoveFile(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return LastError();
  return std::error_code();
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local;
}

#endif

}  // namespace varnelle
