#pragma once

namespace varnelle {

// Why the program cannot go on with the data file it found.
enum class FatalLoad {
  kNone,
  kNegativeCount,  // the file is corrupt: a negative record count
  kUnreadable,     // the file is there but cannot be read
};

// Tells the user why the program stops and that it writes nothing. Blocks until the user closes
// the message.
void ReportFatalLoad(FatalLoad why);

}  // namespace varnelle
