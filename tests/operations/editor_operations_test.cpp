#include "operations/editor_operations.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "operations_fixture.h"

namespace varnelle::testing {
namespace {

class EditorTest : public OperationsTest {
 protected:
  void Fill(const QString& platform, const QString& account, const QString& password,
            const QString& note) {
    TypeInto(window->编辑框_平台, platform);
    TypeInto(window->编辑框_账号, account);
    TypeInto(window->编辑框_密码, password);
    TypeInto(window->编辑框_备注, note);
  }

  void ExpectBackOnDataPanel(int lines) {
    EXPECT_TRUE(Showing(window->分组框_数据));
    EXPECT_EQ(window->frameGeometry().size(), QSize(455, 331));
    EXPECT_EQ(window->列表框_数据->count(), lines);
    EXPECT_FALSE(SelectedRecordNumber(*window->列表框_数据).has_value());
    EXPECT_TRUE(window->编辑框_备注详情->toPlainText().isEmpty());
  }
};

// Captions "警告" and "警告！"; message labels full-width in the editor's box, half-width in
// the delete box.
TEST_F(EditorTest, ConfirmationMessagesAreExact) {
  const AccountRecord record{"p", "a", "w", "n1\r\nn2"};
  EXPECT_EQ(
      EditorOperations::EditMessage(record),
      "\xCA\xC7\xB7\xF1\xD0\xDE\xB8\xC4\xD0\xC5\xCF\xA2\xC4\xDA\xC8\xDD\xCE\xAA\xD2\xD4\xCF\xC2"
      "\xA3\xBA\r\n\r\n"
      "\xC6\xBD\xCC\xA8\xA3\xBAp\r\n\xD5\xCB\xBA\xC5\xA3\xBA"
      "a\r\n\xC3\xDC\xC2\xEB\xA3\xBAw\r\n\xB1\xB8\xD7\xA2\xA3\xBAn1\r\nn2");
  EXPECT_EQ(EditorOperations::DeleteMessage(record),
            "\xCA\xC7\xB7\xF1\xC9\xBE\xB3\xFD\xD2\xD4\xCF\xC2\xCA\xFD\xBE\xDD\xA3\xBA\r\n\r\n"
            "\xC6\xBD\xCC\xA8:p\r\n\xD5\xCB\xBA\xC5:a\r\n\xC3\xDC\xC2\xEB:w\r\n\xB1\xB8\xD7\xA2:"
            "n1\r\nn2");
}

TEST_F(EditorTest, AddToAnEmptyTable) {
  MainWindow& w = OpenOnData({});
  w.菜单_新增->trigger();
  EXPECT_TRUE(Showing(w.分组框_增修界面));
  EXPECT_EQ(w.分组框_增修界面->title(), QStringLiteral("新增"));
  EXPECT_EQ(w.编辑框_增修索引->text(), QStringLiteral("1"));
  EXPECT_EQ(w.frameGeometry().size(), QSize(367, 211));
  EXPECT_EQ(w.分组框_增修界面->pos(), QPoint(5, 0));

  Fill("QQ", "alice", "pw", "");
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);

  const AccountRecord added{"QQ", "alice", "pw", ""};
  ASSERT_EQ(prompter.questions.size(), 1U);
  EXPECT_EQ(prompter.questions[0].message, EditorOperations::EditMessage(added));
  EXPECT_EQ(prompter.questions[0].caption, "\xBE\xAF\xB8\xE6");  // 警告
  EXPECT_EQ(state.records, RecordTable{added});
  EXPECT_EQ(state.settings.count, 1);
  EXPECT_EQ(Reloaded(), RecordTable{added});
  EXPECT_EQ(prompter.pauses, std::vector<int>{1000});
  EXPECT_EQ(Notices(), QStringList{"保存数据完成！"});
  ExpectBackOnDataPanel(1);
}

TEST_F(EditorTest, AddWithEveryBoxEmptyAddsAnEmptyRecord) {
  MainWindow& w = OpenOnData({{"a", "b", "c", "d"}});
  w.菜单_新增->trigger();
  EXPECT_EQ(w.编辑框_增修索引->text(), QStringLiteral("2"));
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);
  EXPECT_EQ(Reloaded(), (RecordTable{{"a", "b", "c", "d"}, {}}));
  EXPECT_EQ(w.列表框_数据->item(1)->text(), QStringLiteral("平台：  账号：  密码："));
}

TEST_F(EditorTest, ModifyRecordTwoOfThreeInPlace) {
  const RecordTable before = {{"a", "1", "x", ""}, {"b", "2", "y", "old"}, {"c", "3", "z", ""}};
  MainWindow& w = OpenOnData(before);
  ClickLine(1);
  w.菜单_修改->trigger();
  EXPECT_EQ(w.分组框_增修界面->title(), QStringLiteral("修改"));
  EXPECT_EQ(w.编辑框_增修索引->text(), QStringLiteral("2"));
  EXPECT_EQ(w.编辑框_平台->text(), QStringLiteral("b"));
  EXPECT_EQ(w.编辑框_备注->toPlainText(), QStringLiteral("old"));

  TypeInto(w.编辑框_密码, QStringLiteral("new"));
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);
  const RecordTable after = {before[0], {"b", "2", "new", "old"}, before[2]};
  EXPECT_EQ(state.records, after);
  EXPECT_EQ(Reloaded(), after);
  EXPECT_EQ(prompter.pauses, std::vector<int>{1000});
  ExpectBackOnDataPanel(3);
  EXPECT_EQ(w.列表框_数据->item(1)->text(), QStringLiteral("平台：b  账号：2  密码：new"));
}

TEST_F(EditorTest, DeleteRecordTwoOfThree) {
  const RecordTable before = {{"a", "1", "x", ""}, {"b", "2", "y", ""}, {"c", "3", "z", ""}};
  MainWindow& w = OpenOnData(before);
  ClickLine(1);
  prompter.AnswerNext(true);
  w.菜单_删除->trigger();

  ASSERT_EQ(prompter.questions.size(), 1U);
  EXPECT_EQ(prompter.questions[0].message, EditorOperations::DeleteMessage(before[1]));
  EXPECT_EQ(prompter.questions[0].caption, "\xBE\xAF\xB8\xE6\xA3\xA1");  // 警告！
  EXPECT_EQ(Reloaded(), (RecordTable{before[0], before[2]}));
  const std::string file = ReadBytes(DataFile());
  EXPECT_NE(file.find("\r\n1="), std::string::npos);
  EXPECT_NE(file.find("\r\n2="), std::string::npos);
  EXPECT_EQ(file.find("\r\n3="), std::string::npos);
  EXPECT_EQ(Notices(), (QStringList{"删除成功！", "保存数据完成！"}));
  EXPECT_TRUE(prompter.pauses.empty());
  ExpectBackOnDataPanel(2);

  ClickLine(0);
  prompter.AnswerNext(true);
  w.菜单_删除->trigger();
  ClickLine(0);
  prompter.AnswerNext(true);
  w.菜单_删除->trigger();
  EXPECT_TRUE(Reloaded().empty());
  ExpectBackOnDataPanel(0);
}

TEST_F(EditorTest, CancelAndBackChangeNothing) {
  const RecordTable before = {{"a", "1", "x", ""}, {"b", "2", "y", ""}};
  MainWindow& w = OpenOnData(before);
  const std::string file = ReadBytes(DataFile());

  ClickLine(0);
  prompter.AnswerNext(false);
  w.菜单_删除->trigger();
  EXPECT_EQ(state.records, before);
  EXPECT_EQ(SelectedRecordNumber(*w.列表框_数据), 1);

  w.菜单_修改->trigger();
  TypeInto(w.编辑框_账号, QStringLiteral("typed"));
  prompter.AnswerNext(false);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);
  EXPECT_TRUE(Showing(w.分组框_增修界面));
  EXPECT_EQ(w.编辑框_账号->text(), QStringLiteral("typed"));

  QTest::mouseClick(w.按钮_返回, Qt::LeftButton);
  ExpectBackOnDataPanel(2);
  EXPECT_EQ(state.records, before);
  EXPECT_EQ(ReadBytes(DataFile()), file);
  EXPECT_TRUE(Notices().isEmpty());
  EXPECT_TRUE(prompter.pauses.empty());

  // The next add starts from empty boxes.
  w.菜单_新增->trigger();
  EXPECT_TRUE(w.编辑框_账号->text().isEmpty());
}

// Whatever a person types comes back from the file exactly: dashes, "=", line breaks in the
// note, GBK and characters outside GBK.
TEST_F(EditorTest, TypedFieldsSurviveTheFileExactly) {
  MainWindow& w = OpenOnData({});
  w.菜单_新增->trigger();
  Fill(QStringLiteral("a-b"), QStringLiteral("-=-"), QStringLiteral("密码-😀="),
       QStringLiteral("第一行\n- 第二行 =\n\n€\u00A0!"));
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);

  const AccountRecord expected{"a-b", "-=-", ToGbk(u"密码-😀="),
                               ToGbk(u"第一行\r\n- 第二行 =\r\n\r\n€\u00A0!")};
  EXPECT_EQ(Reloaded(), RecordTable{expected});

  // A new run on that file shows the same texts in the editor.
  state = SharedState{};
  MainWindow& again = OpenOnData({expected});
  ClickLine(0);
  again.菜单_修改->trigger();
  EXPECT_EQ(again.编辑框_密码->text(), QStringLiteral("密码-😀="));
  EXPECT_EQ(again.编辑框_备注->document()->toRawText(),
            QStringLiteral("第一行\u2029- 第二行 =\u2029\u2029€\u00A0!"));
}

// Boxes have no length limit: a modify that changes one field keeps the others whole.
TEST_F(EditorTest, LongFieldsSurviveAModify) {
  const AccountRecord long_one{std::string(40000, 'p'), std::string(40000, 'a'),
                               std::string(40000, 'w'), std::string(40000, 'n')};
  MainWindow& w = OpenOnData({long_one});
  ClickLine(0);
  w.菜单_修改->trigger();
  prompter.AnswerNext(true);
  QTest::mouseClick(w.按钮_确认, Qt::LeftButton);
  EXPECT_EQ(Reloaded(), RecordTable{long_one});
}

}  // namespace
}  // namespace varnelle::testing
