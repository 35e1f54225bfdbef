#include "shell/balloon_notice.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace varnelle::testing {
namespace {

TEST(BalloonNotice, FadesInRestsAndFadesOutByItself) {
  BalloonNotice notice;
  notice.Request(QStringLiteral("保存数据完成！"), QPoint(200, 200));
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(notice.CurrentText(), QStringLiteral("保存数据完成！"));
  EXPECT_FALSE(notice.hasFocus());
  EXPECT_TRUE(notice.testAttribute(Qt::WA_ShowWithoutActivating));

  QTRY_COMPARE_WITH_TIMEOUT(notice.Transparency(), BalloonNotice::kRestingTransparency, 1000);
  // It rests about a second before fading.
  QTest::qWait(BalloonNotice::kRestMs / 2);
  EXPECT_EQ(notice.Transparency(), BalloonNotice::kRestingTransparency);
  QTRY_VERIFY_WITH_TIMEOUT(notice.IsIdle(), 3000);
  EXPECT_FALSE(notice.isVisible());
}

TEST(BalloonNotice, SecondNoticeFollowsTheFirst) {
  BalloonNotice notice;
  QStringList log;
  QObject::connect(&notice, &BalloonNotice::noticeShown,
                   [&log](const QString& text) { log << "+" + text; });
  QObject::connect(&notice, &BalloonNotice::noticeHidden,
                   [&log](const QString& text) { log << "-" + text; });

  notice.Request(QStringLiteral("删除成功！"), QPoint(100, 100));
  notice.Request(QStringLiteral("保存数据完成！"), QPoint(300, 300));
  // The first one starts fading at once; the second waits for it.
  EXPECT_EQ(notice.CurrentText(), QStringLiteral("删除成功！"));
  QTRY_VERIFY_WITH_TIMEOUT(notice.IsIdle(), 5000);
  EXPECT_EQ(log, (QStringList{"+删除成功！", "-删除成功！", "+保存数据完成！", "-保存数据完成！"}));
}

}  // namespace
}  // namespace varnelle::testing
