#pragma once

#include <QObject>
#include <cstdint>

#include "common/account_record.h"

namespace varnelle {

class MainWindow;

// Adding and modifying entries in the editor panel, and deleting them from the context menu.
// Every change is confirmed first and saved at once.
class EditorOperations : public QObject {
  Q_OBJECT

 public:
  enum class Mode { kAdd, kModify };

  explicit EditorOperations(MainWindow& window);

  // The confirmation texts (GBK) for an add or modify, and for a delete.
  static Text EditMessage(const AccountRecord& record);
  static Text DeleteMessage(const AccountRecord& record);

  // Fills the editor's boxes, sizes the window to the editor and records which entry it edits:
  // count + 1 when adding, the entry's number when modifying.
  void FillEditor(Mode mode, const AccountRecord& record, std::int32_t number);

  void OpenForAdding();
  void OpenForModifying();
  void ConfirmEdit();
  void GoBack();
  void DeleteSelected();

 private:
  AccountRecord ReadEditor() const;

  MainWindow& window_;
};

}  // namespace varnelle
