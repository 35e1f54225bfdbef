#include "operations/record_list_operations.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "shell/main_window.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

std::optional<std::int32_t> SelectedRecordNumber(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(Qt::UserRole).toInt();
}

bool PutOnClipboard(const Text& text, QClipboard::Mode mode) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString plain = FromGbk(text);
  clipboard->setText(plain, mode);
  // Another program may hold the clipboard open, or the platform may refuse the text.
  return clipboard->text(mode) == plain && clipboard->mimeData(mode) != nullptr;
}

RecordListOperations::RecordListOperations(MainWindow& window) : QObject(&window), window_(window) {
  connect(window.列表框_数据, &QListWidget::itemSelectionChanged, this,
          &RecordListOperations::ShowSelectedNote);
  window.列表框_数据->viewport()->installEventFilter(this);
  connect(window.菜单_复制_账号, &QAction::triggered, this, [this] { Copy(CopyWhat::kAccount); });
  connect(window.菜单_复制_密码, &QAction::triggered, this, [this] { Copy(CopyWhat::kPassword); });
  connect(window.菜单_复制_账号密码, &QAction::triggered, this,
          [this] { Copy(CopyWhat::kAccountAndPassword); });
  connect(window.菜单_复制_所选所有, &QAction::triggered, this,
          [this] { Copy(CopyWhat::kEverything); });
}

Text RecordListOperations::CopyText(CopyWhat what, const AccountRecord& record) {
  switch (what) {
    case CopyWhat::kAccount:
      return record.account;
    case CopyWhat::kPassword:
      return record.password;
    case CopyWhat::kAccountAndPassword:
      return ToGbk(texts::kClipAccountLabel) + record.account + ToGbk(texts::kClipPasswordLabel) +
             record.password;
    case CopyWhat::kEverything:
      break;
  }
  return ToGbk(texts::kClipPlatformLabel) + record.platform + ToGbk(texts::kClipAccountAfterLabel) +
         record.account + ToGbk(texts::kClipPasswordLabel) + record.password +
         ToGbk(texts::kClipNoteLabel) + record.note;
}

Text RecordListOperations::CopyNotice(CopyWhat what) {
  switch (what) {
    case CopyWhat::kAccount:
      return ToGbk(texts::kCopiedAccount);
    case CopyWhat::kPassword:
      return ToGbk(texts::kCopiedPassword);
    case CopyWhat::kAccountAndPassword:
      return ToGbk(texts::kCopiedAccountAndPassword);
    case CopyWhat::kEverything:
      break;
  }
  return ToGbk(texts::kCopiedEverything);
}

void RecordListOperations::ShowSelectedNote() {
  const std::optional<std::int32_t> number = SelectedRecordNumber(*window_.列表框_数据);
  if (!number) return;
  window_.编辑框_备注详情->setPlainText(
      ForScreen(window_.State().records.at(static_cast<std::size_t>(*number - 1)).note));
}

void RecordListOperations::EnableMenuForSelection() {
  const bool selected = SelectedRecordNumber(*window_.列表框_数据).has_value();
  for (QAction* item : {window_.菜单_修改, window_.菜单_删除, window_.菜单_复制->menuAction()}) {
    item->setEnabled(selected);
  }
}

void RecordListOperations::OpenContextMenu() {
  EnableMenuForSelection();
  // Modal: returns when the menu closes; a chosen item's handler has run by then.
  window_.编辑菜单->exec(QCursor::pos());
}

void RecordListOperations::Copy(CopyWhat what) {
  const std::optional<std::int32_t> number = SelectedRecordNumber(*window_.列表框_数据);
  if (!number) return;
  const AccountRecord& record = window_.State().records.at(static_cast<std::size_t>(*number - 1));
  // The notice is shown only once the clipboard really holds the text.
  window_.ShowNotice(PutOnClipboard(CopyText(what, record)) ? CopyNotice(what)
                                                            : ToGbk(texts::kCopyFailed));
}

bool RecordListOperations::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_.列表框_数据->viewport()) return false;
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
    return false;
  }
  if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
  // Taken here, so the right button never moves the selection: the commands act on the line
  // that was selected before.
  OpenContextMenu();
  return true;
}

}  // namespace varnelle
