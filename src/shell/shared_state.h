#pragma once

#include <filesystem>

#include "common/account_record.h"

namespace varnelle {

// The state every part of the window works on. Created before the window, released after the
// event loop has ended; one thread reaches it, so nothing is locked.
struct SharedState {
  RecordTable records;
  AppSettings settings;
  std::filesystem::path data_file_path;
  // The last load met something it could not read: keep a copy of that file before the next
  // save replaces it.
  bool keep_copy_before_next_save = false;
};

}  // namespace varnelle
