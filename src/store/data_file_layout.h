#pragma once

#include <string_view>

// The section and key names of the data file, as GBK bytes on every system.
namespace varnelle::data_file_layout {

inline constexpr std::string_view kSettingsSection = "\xC5\xE4\xD6\xC3";             // 配置
inline constexpr std::string_view kVersionKey = "\xC8\xED\xBC\xFE\xB0\xE6\xB1\xBE";  // 软件版本
inline constexpr std::string_view kCountKey = "\xCF\xEE\xC4\xBF\xCA\xFD";            // 项目数
inline constexpr std::string_view kLoginKey = "login";
inline constexpr std::string_view kFtpAddressKey = "ftp\xB5\xD8\xD6\xB7";   // ftp地址
inline constexpr std::string_view kFtpPortKey = "ftp\xB6\xCB\xBF\xDA";      // ftp端口
inline constexpr std::string_view kFtpAccountKey = "ftp\xD5\xCB\xBA\xC5";   // ftp账号
inline constexpr std::string_view kFtpPasswordKey = "ftp\xC3\xDC\xC2\xEB";  // ftp密码
inline constexpr std::string_view kRecordSection = "\xBC\xC7\xC2\xBC";      // 记录

// The version text, the one value written in clear.
inline constexpr std::string_view kVersionText = "0.9";

}  // namespace varnelle::data_file_layout
