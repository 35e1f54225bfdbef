#include "operations/editor_operations.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <optional>

#include "common/integer_text.h"
#include "common/record_edits.h"
#include "operations/record_list_operations.h"
#include "shell/main_window.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

namespace {

// The note exactly as typed: toPlainText() would turn no-break spaces into spaces.
QString NoteText(const QPlainTextEdit& box) {
  QString text = box.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

}  // namespace

EditorOperations::EditorOperations(MainWindow& window) : QObject(&window), window_(window) {
  connect(window.菜单_新增, &QAction::triggered, this, &EditorOperations::OpenForAdding);
  connect(window.菜单_修改, &QAction::triggered, this, &EditorOperations::OpenForModifying);
  connect(window.菜单_删除, &QAction::triggered, this, &EditorOperations::DeleteSelected);
  connect(window.按钮_确认, &QPushButton::clicked, this, &EditorOperations::ConfirmEdit);
  connect(window.按钮_返回, &QPushButton::clicked, this, &EditorOperations::GoBack);
}

Text EditorOperations::EditMessage(const AccountRecord& record) {
  return ToGbk(texts::kEditConfirmIntro) + ToGbk(texts::kEditPlatformLabel) + record.platform +
         ToGbk(texts::kEditAccountLabel) + record.account + ToGbk(texts::kEditPasswordLabel) +
         record.password + ToGbk(texts::kEditNoteLabel) + record.note;
}

Text EditorOperations::DeleteMessage(const AccountRecord& record) {
  return ToGbk(texts::kDeleteConfirmIntro) + ToGbk(texts::kDeletePlatformLabel) + record.platform +
         ToGbk(texts::kDeleteAccountLabel) + record.account + ToGbk(texts::kDeletePasswordLabel) +
         record.password + ToGbk(texts::kDeleteNoteLabel) + record.note;
}

void EditorOperations::FillEditor(Mode mode, const AccountRecord& record, std::int32_t number) {
  window_.编辑框_平台->setText(ForScreen(record.platform));
  window_.编辑框_账号->setText(ForScreen(record.account));
  window_.编辑框_密码->setText(ForScreen(record.password));
  window_.编辑框_备注->setPlainText(ForScreen(record.note));
  window_.FitWindowToPanel(window_.分组框_增修界面);
  window_.分组框_增修界面->setTitle(
      ScreenText(mode == Mode::kAdd ? texts::kEditorAddCaption : texts::kEditorModifyCaption));
  window_.编辑框_增修索引->setText(FromGbk(IntegerToText(number)));
}

void EditorOperations::OpenForAdding() {
  window_.ShowPanel(ToGbk(texts::kPanelEditor));
  FillEditor(Mode::kAdd, AccountRecord{}, window_.State().settings.count + 1);
}

void EditorOperations::OpenForModifying() {
  window_.ShowPanel(ToGbk(texts::kPanelEditor));
  const std::optional<std::int32_t> number = SelectedRecordNumber(*window_.列表框_数据);
  if (!number) return;
  FillEditor(Mode::kModify, window_.State().records.at(static_cast<std::size_t>(*number - 1)),
             *number);
}

AccountRecord EditorOperations::ReadEditor() const {
  return AccountRecord{
      FromScreen(window_.编辑框_平台->text()), FromScreen(window_.编辑框_账号->text()),
      FromScreen(window_.编辑框_密码->text()), FromScreen(NoteText(*window_.编辑框_备注))};
}

void EditorOperations::ConfirmEdit() {
  const std::int32_t number = TextToInteger(ToGbk(window_.编辑框_增修索引->text()));
  if (!window_.Prompts().Confirm(EditMessage(ReadEditor()), ToGbk(texts::kEditConfirmCaption))) {
    return;  // the editor stays open with what was typed
  }
  SharedState& state = window_.State();
  if (number > state.settings.count) {
    AppendRecord(state.settings, state.records, ReadEditor());
  } else {
    ReplaceRecord(state.records, number, ReadEditor());
  }
  window_.SaveData();
  window_.Prompts().Pause(texts::kPauseAfterEditMs);
  window_.ShowPanel(ToGbk(texts::kPanelData));
}

void EditorOperations::GoBack() {
  window_.ShowPanel(ToGbk(texts::kPanelData));
}

void EditorOperations::DeleteSelected() {
  const std::optional<std::int32_t> number = SelectedRecordNumber(*window_.列表框_数据);
  if (!number) return;
  SharedState& state = window_.State();
  const AccountRecord& record = state.records.at(static_cast<std::size_t>(*number - 1));
  if (!window_.Prompts().Confirm(DeleteMessage(record), ToGbk(texts::kDeleteConfirmCaption))) {
    return;
  }
  RemoveRecord(state.settings, state.records, *number);
  window_.ShowNotice(ToGbk(texts::kDeleted));
  window_.SaveData();
  window_.ShowPanel(ToGbk(texts::kPanelData));
}

}  // namespace varnelle
