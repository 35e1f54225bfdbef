#include <algorithm>
#include <cstddef>

#include "common/integer_text.h"
#include "seal/seal_text.h"
#include "store/data_file.h"
#include "store/data_file_layout.h"
#include "store/profile_file.h"
#include "store/record_line.h"

namespace varnelle {

using namespace data_file_layout;

std::filesystem::path DataFileName() {
  return std::filesystem::path(u8"数据.ini");
}

std::string RenderDataFile(const AppSettings& settings, const RecordTable& table) {
  std::string out;
  AppendSectionLine(out, kSettingsSection);
  AppendKeyLine(out, kVersionKey, kVersionText);
  AppendKeyLine(out, kCountKey, SealText(IntegerToText(settings.count)));
  AppendKeyLine(out, kLoginKey, SealText(settings.login_password));
  AppendKeyLine(out, kFtpAddressKey, "");
  AppendKeyLine(out, kFtpPortKey, "");
  AppendKeyLine(out, kFtpAccountKey, "");
  AppendKeyLine(out, kFtpPasswordKey, "");

  const std::size_t written =
      settings.count > 0 ? std::min(static_cast<std::size_t>(settings.count), table.size()) : 0;
  if (written == 0) return out;
  AppendSectionLine(out, kRecordSection);
  for (std::size_t i = 0; i < written; ++i) {
    AppendKeyLine(out, IntegerToText(static_cast<std::int32_t>(i + 1)),
                  SealText(MakeRecordLine(table[i])));
  }
  return out;
}

}  // namespace varnelle
