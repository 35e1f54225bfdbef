#pragma once

#include <QClipboard>
#include <QObject>
#include <cstdint>
#include <optional>

#include "common/account_record.h"

class QListWidget;

namespace varnelle {

class MainWindow;

// The number of the record behind the selected line of the entry list (the line's value, never
// its position), or nothing when no line is selected.
std::optional<std::int32_t> SelectedRecordNumber(const QListWidget& list);

// Puts `text` (GBK) on the clipboard as plain text and reads it back; true only when the
// clipboard now holds exactly that text.
bool PutOnClipboard(const Text& text, QClipboard::Mode mode = QClipboard::Clipboard);

// The entry list on the data panel: the note of the selected entry, the context menu opened by
// the right mouse button, and the four copy commands.
class RecordListOperations : public QObject {
  Q_OBJECT

 public:
  enum class CopyWhat { kAccount, kPassword, kAccountAndPassword, kEverything };

  explicit RecordListOperations(MainWindow& window);

  // The text a copy command puts on the clipboard, and the notice that confirms it.
  static Text CopyText(CopyWhat what, const AccountRecord& record);
  static Text CopyNotice(CopyWhat what);

  void ShowSelectedNote();
  // Greys "修改", "删除" and "复制" unless a line is selected.
  void EnableMenuForSelection();
  void OpenContextMenu();
  void Copy(CopyWhat what);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

}  // namespace varnelle
