#include "shell/save_feedback.h"

#include <QDir>

#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

namespace {

std::u16string_view Reason(SaveFailure failure) {
  switch (failure) {
    case SaveFailure::kTargetIsFolder:
      return texts::kReasonTargetIsFolder;
    case SaveFailure::kNoPermission:
      return texts::kReasonNoPermission;
    case SaveFailure::kDiskFull:
      return texts::kReasonDiskFull;
    case SaveFailure::kBackupFailed:
      return texts::kReasonBackupFailed;
    case SaveFailure::kNone:
    case SaveFailure::kOther:
      break;
  }
  return texts::kReasonOther;
}

}  // namespace

std::vector<Text> SaveNotices(const SaveResult& result) {
  std::vector<Text> notices;
  if (!result.backup.empty()) {
    notices.push_back(ToGbk(texts::kDamagedFileKept) + ToGbk(QDir::toNativeSeparators(FromFsPath(result.backup))));
  }
  if (result.ok()) {
    notices.push_back(ToGbk(texts::kSaveDone));
  } else {
    notices.push_back(ToGbk(texts::kSaveFailed) + "\r\n" + ToGbk(Reason(result.failure)));
  }
  return notices;
}

}  // namespace varnelle
