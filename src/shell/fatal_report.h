#pragma once

namespace varnelle {

// Tells the user that the data file is corrupt (a negative record count) and that the program
// stops without writing anything. Blocks until the user closes the message.
void ReportCorruptDataFile();

}  // namespace varnelle
