#include "common/record_edits.h"

#include <gtest/gtest.h>

namespace varnelle {
namespace {

const AccountRecord kA{"a", "1", "x", ""};
const AccountRecord kB{"b", "2", "y", "note"};
const AccountRecord kC{"c", "3", "z", ""};

struct Book {
  AppSettings settings;
  RecordTable table;
};

Book ThreeRecords() {
  Book book;
  for (const AccountRecord& record : {kA, kB, kC}) AppendRecord(book.settings, book.table, record);
  return book;
}

TEST(RecordEdits, AppendNumbersTheNewRecordAfterTheLast) {
  Book book;
  AppendRecord(book.settings, book.table, AccountRecord{});
  EXPECT_EQ(book.settings.count, 1);
  EXPECT_EQ(book.table, RecordTable{AccountRecord{}});
  book = ThreeRecords();
  EXPECT_EQ(book.settings.count, 3);
  EXPECT_EQ(book.table, (RecordTable{kA, kB, kC}));
}

TEST(RecordEdits, ReplaceKeepsThePlace) {
  Book book = ThreeRecords();
  const AccountRecord changed{"B", "22", "yy", "n\r\n2"};
  EXPECT_TRUE(ReplaceRecord(book.table, 2, changed));
  EXPECT_EQ(book.table, (RecordTable{kA, changed, kC}));
  EXPECT_EQ(book.settings.count, 3);
}

TEST(RecordEdits, RemoveMovesTheLaterRecordsUp) {
  Book book = ThreeRecords();
  EXPECT_TRUE(RemoveRecord(book.settings, book.table, 2));
  EXPECT_EQ(book.table, (RecordTable{kA, kC}));
  EXPECT_EQ(book.settings.count, 2);
  EXPECT_TRUE(RemoveRecord(book.settings, book.table, 1));
  EXPECT_TRUE(RemoveRecord(book.settings, book.table, 1));
  EXPECT_TRUE(book.table.empty());
  EXPECT_EQ(book.settings.count, 0);
}

TEST(RecordEdits, NumbersOutsideTheTableChangeNothing) {
  Book book = ThreeRecords();
  for (std::int32_t number : {0, -1, 4, 1000}) {
    EXPECT_FALSE(ReplaceRecord(book.table, number, AccountRecord{}));
    EXPECT_FALSE(RemoveRecord(book.settings, book.table, number));
  }
  EXPECT_EQ(book.table, (RecordTable{kA, kB, kC}));
  EXPECT_EQ(book.settings.count, 3);
}

}  // namespace
}  // namespace varnelle
