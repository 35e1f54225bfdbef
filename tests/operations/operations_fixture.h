#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QRect>

#include "../shell/window_fixture.h"
#include "operations/editor_operations.h"
#include "operations/login_operations.h"
#include "operations/record_list_operations.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle::testing {

inline QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The window with all its handlers, logged in on the data panel over a data file.
class OperationsTest : public WindowTest {
 protected:
  MainWindow& OpenOnData(const RecordTable& records) {
    // The handlers belong to the window they were made for; drop them before it goes.
    editor.reset();
    list.reset();
    login.reset();
    WriteDataFile(records, "");
    MainWindow& w = Open();
    login = std::make_unique<LoginOperations>(w);
    list = std::make_unique<RecordListOperations>(w);
    editor = std::make_unique<EditorOperations>(w);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.按钮_登录, Qt::LeftButton);
    EXPECT_TRUE(w.分组框_数据->isVisible());
    return w;
  }

  // Clicks a line of the list as a person would.
  void ClickLine(int row, Qt::MouseButton button = Qt::LeftButton) {
    QListWidget* lines = window->列表框_数据;
    const QRect rect = lines->visualItemRect(lines->item(row));
    QTest::mouseClick(lines->viewport(), button, Qt::NoModifier, rect.center());
  }

  bool Showing(QGroupBox* panel) const { return panel->isVisibleTo(window.get()); }

  // What a fresh load of the data file gives.
  RecordTable Reloaded() const {
    AppSettings settings;
    RecordTable records;
    LoadDataFile(DataFile(), settings, records);
    EXPECT_EQ(settings.count, static_cast<std::int32_t>(records.size()));
    return records;
  }

  std::unique_ptr<LoginOperations> login;
  std::unique_ptr<RecordListOperations> list;
  std::unique_ptr<EditorOperations> editor;
};

}  // namespace varnelle::testing
