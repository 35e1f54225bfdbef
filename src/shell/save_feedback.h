#pragma once

#include <vector>

#include "common/account_record.h"
#include "store/data_file.h"

namespace varnelle {

// The notices that tell the user how a save went, in the order they are shown: where a damaged
// file was copied (if it was), then "保存数据完成！" or "保存数据失败！" with the reason on a
// second line.
std::vector<Text> SaveNotices(const SaveResult& result);

}  // namespace varnelle
