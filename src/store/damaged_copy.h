#pragma once

#include <filesystem>
#include <system_error>

// Keeping a copy of a data file that could not be read whole, before a save replaces it.
namespace varnelle {

// Copies the file at `data_file` to a new file beside it named by DamagedCopyPath for the current
// local time, taking the first attempt number whose name is free, and flushes the copy to the
// disk. No existing file is ever overwritten. On success `copy` names the copy.
std::error_code KeepDamagedCopy(const std::filesystem::path& data_file,
                                std::filesystem::path& copy);

}  // namespace varnelle
