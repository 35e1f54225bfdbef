#include "operations/record_list_operations.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

#include "operations_fixture.h"

namespace varnelle::testing {
namespace {

class RecordListTest : public OperationsTest {
 protected:
  struct MenuState {
    bool opened = false;
    bool add = false, modify = false, remove = false, copy = false;
  };

  // Presses the right button on a line (or below the lines), reads the menu while it is open,
  // then closes it with Esc.
  MenuState RightPress(int row) {
    MenuState seen;
    QMenu* menu = window->编辑菜单;
    QTimer::singleShot(0, menu, [&seen, menu, this] {
      seen.opened = menu->isVisible();
      seen.add = window->菜单_新增->isEnabled();
      seen.modify = window->菜单_修改->isEnabled();
      seen.remove = window->菜单_删除->isEnabled();
      seen.copy = window->菜单_复制->menuAction()->isEnabled();
      menu->close();
    });
    QListWidget* lines = window->列表框_数据;
    const QPoint at = row < 0 ? QPoint(10, lines->viewport()->height() - 5)
                              : lines->visualItemRect(lines->item(row)).center();
    QTest::mousePress(lines->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(lines->viewport(), Qt::RightButton, Qt::NoModifier, at);
    return seen;
  }
};

TEST_F(RecordListTest, SelectingALineShowsItsNote) {
  MainWindow& w = OpenOnData({{"a", "", "", "first line\r\nsecond line"}, {"b", "", "", ""}});
  ClickLine(0);
  EXPECT_EQ(w.编辑框_备注详情->toPlainText(), QStringLiteral("first line\nsecond line"));
  EXPECT_EQ(w.编辑框_备注详情->document()->blockCount(), 2);
  QTest::keyClick(w.列表框_数据, Qt::Key_Down);  // the keyboard selects too
  EXPECT_TRUE(w.编辑框_备注详情->toPlainText().isEmpty());
  ClickLine(0);
  w.ShowPanel(ToGbk(texts::kPanelData));  // a rebuild empties the note and the selection
  EXPECT_TRUE(w.编辑框_备注详情->toPlainText().isEmpty());
  EXPECT_FALSE(SelectedRecordNumber(*w.列表框_数据).has_value());
}

TEST_F(RecordListTest, TheRecordIsFoundByTheLineValueNotItsPosition) {
  MainWindow& w = OpenOnData({{"same", "x", "y", "one"}, {"same", "x", "y", "two"}});
  ASSERT_EQ(w.列表框_数据->item(0)->text(), w.列表框_数据->item(1)->text());
  EXPECT_FALSE(SelectedRecordNumber(*w.列表框_数据).has_value());
  ClickLine(1);
  EXPECT_EQ(SelectedRecordNumber(*w.列表框_数据), 2);
  EXPECT_EQ(w.编辑框_备注详情->toPlainText(), QStringLiteral("two"));
  w.列表框_数据->item(1)->setData(Qt::UserRole, 1);
  EXPECT_EQ(SelectedRecordNumber(*w.列表框_数据), 1);
}

TEST_F(RecordListTest, MenuIsGreyedWithoutSelectionAndTheRightButtonSelectsNothing) {
  MainWindow& w = OpenOnData({{"a", "1", "x", ""}, {"b", "2", "y", ""}});
  MenuState seen = RightPress(0);
  EXPECT_TRUE(seen.opened);
  EXPECT_TRUE(seen.add);
  EXPECT_FALSE(seen.modify || seen.remove || seen.copy);
  EXPECT_FALSE(SelectedRecordNumber(*w.列表框_数据).has_value());

  ClickLine(0);
  seen = RightPress(1);  // on another line: the selection stays where it was
  EXPECT_TRUE(seen.opened && seen.add && seen.modify && seen.remove && seen.copy);
  EXPECT_EQ(SelectedRecordNumber(*w.列表框_数据), 1);

  OpenOnData({});
  seen = RightPress(-1);
  EXPECT_TRUE(seen.opened && seen.add);
  EXPECT_FALSE(seen.modify || seen.remove || seen.copy);
}

TEST_F(RecordListTest, EachCopyPutsItsTextOnTheClipboardAndSaysSo) {
  using What = RecordListOperations::CopyWhat;
  const AccountRecord record{"QQ", "alice", "p-w", "n1\r\nn2"};
  const struct {
    QAction* MainWindow::*item;
    What what;
    QString clipboard;
    QString notice;
  } cases[] = {
      {&MainWindow::菜单_复制_账号, What::kAccount, "alice", "账号 已复制至剪切板！"},
      {&MainWindow::菜单_复制_密码, What::kPassword, "p-w", "密码 已复制至剪切板！"},
      {&MainWindow::菜单_复制_账号密码, What::kAccountAndPassword, "账号:alice 密码:p-w",
       "账号+密码 已复制至剪切板！"},
      {&MainWindow::菜单_复制_所选所有, What::kEverything,
       "平台:QQ 账号:alice 密码:p-w 备注:n1\r\nn2", "当前选项所有信息已复制至剪切板！"},
  };
  MainWindow& w = OpenOnData({record});
  ClickLine(0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.notice.toStdString());
    QGuiApplication::clipboard()->clear();
    notices->clear();
    (w.*c.item)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.clipboard);
    EXPECT_EQ(Notices(), QStringList{c.notice});
    EXPECT_EQ(FromGbk(RecordListOperations::CopyText(c.what, record)), c.clipboard);
  }
}

TEST_F(RecordListTest, CopyEdgeCases) {
  using What = RecordListOperations::CopyWhat;
  EXPECT_EQ(RecordListOperations::CopyText(What::kAccountAndPassword, {"", "a", "b", ""}),
            "\xD5\xCB\xBA\xC5:a \xC3\xDC\xC2\xEB:b");  // 账号:a 密码:b
  EXPECT_EQ(RecordListOperations::CopyText(What::kEverything, {}),
            ToGbk(u"平台: 账号: 密码: 备注:"));

  MainWindow& w = OpenOnData({{"p", "", "", ""}});
  ClickLine(0);
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  w.菜单_复制_账号->trigger();  // an empty account is copied as the empty text
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
  EXPECT_EQ(Notices(), QStringList{"账号 已复制至剪切板！"});

  // Without a selection nothing is copied and nothing is said.
  w.ShowPanel(ToGbk(texts::kPanelData));
  notices->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  w.菜单_复制_密码->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
  EXPECT_TRUE(Notices().isEmpty());
}

// A clipboard that does not take the text is reported, not claimed as a success: the offscreen
// platform has no selection clipboard.
TEST_F(RecordListTest, ClipboardThatRefusesTheTextIsReported) {
  ASSERT_FALSE(QGuiApplication::clipboard()->supportsSelection());
  EXPECT_FALSE(PutOnClipboard("secret", QClipboard::Selection));
  EXPECT_TRUE(PutOnClipboard("secret"));
  EXPECT_TRUE(PutOnClipboard(ToGbk(u"密码😀")));
}

}  // namespace
}  // namespace varnelle::testing
