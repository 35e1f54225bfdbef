#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnelle {

// Every text the program keeps is a byte string in GBK (GB18030 for characters outside GBK).
// Conversion to and from the screen happens only in the shell.
using Text = std::string;

// One entry of the password book.
struct AccountRecord {
  Text platform;
  Text account;
  Text password;
  Text note;

  friend bool operator==(const AccountRecord&, const AccountRecord&) = default;
};

// The entries in order; record number n (from 1) is element n - 1.
using RecordTable = std::vector<AccountRecord>;

// The settings kept in the data file besides the entries. The FTP texts are never set by any
// command; they are written empty and never read back.
struct AppSettings {
  std::int32_t count = 0;
  Text login_password;
  Text ftp_address;
  Text ftp_port;
  Text ftp_account;
  Text ftp_password;
};

}  // namespace varnelle
