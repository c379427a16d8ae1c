#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "progress/sqliter.h"
#include "support/temp_folder.h"

namespace {

TEST(SQLiterTest, EveryWrapperIsListedWhileItLives) {
  const size_t before = AllSQLiters().size();
  {
    TSQLiter first;
    TSQLiter second;
    ASSERT_EQ(AllSQLiters().size(), before + 2);
    EXPECT_EQ(AllSQLiters()[before], &first);
    EXPECT_EQ(AllSQLiters()[before + 1], &second);
  }
  EXPECT_EQ(AllSQLiters().size(), before);
}

TEST(SQLiterTest, OpeningAMissingFileGivesANoticeUnlessQuiet) {
  TempFolder folder;
  std::vector<std::string> notices;
  SetDbNoticeHandler([&](const std::string& text) { notices.push_back(text); });
  TSQLiter loud;
  EXPECT_EQ(loud.Open(folder / "missing.db", false), SQLITE_OK);
  TSQLiter quiet;
  EXPECT_EQ(quiet.Open(folder / "other.db", true), SQLITE_OK);
  TSQLiter memory;
  EXPECT_EQ(memory.Open(":memory:", false), SQLITE_OK);
  SetDbNoticeHandler(nullptr);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "no database file found:\n" + (folder / "missing.db"));
  EXPECT_EQ(loud.file, folder / "missing.db");
}

class MemoryDbTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(db_.Open(":memory:", true), SQLITE_OK);
    ASSERT_EQ(db_.Query("CREATE TABLE t (Name TEXT, n INTEGER); INSERT INTO t VALUES('Ranger', 4);"), SQLITE_OK);
  }
  TSQLiter db_;
};

TEST_F(MemoryDbTest, QueryKeepsItsTextAndCountsRows) {
  EXPECT_EQ(db_.Query("SELECT * FROM t"), SQLITE_OK);
  EXPECT_EQ(db_.last_query, "SELECT * FROM t");
  EXPECT_EQ(db_.my_data, 1);
  EXPECT_NE(db_.Query("SELECT missing FROM t"), SQLITE_OK);
  EXPECT_NE(db_.LastError().find("no such column"), std::string::npos) << db_.LastError();
}

TEST_F(MemoryDbTest, ColumnsAreFoundByTheirExactName) {
  sqlite3_stmt* statement = db_.PrepareQuery("SELECT * FROM t");
  ASSERT_NE(statement, nullptr);
  ASSERT_EQ(db_.StepQuery(statement), SQLITE_ROW);
  EXPECT_EQ(db_.P(statement, "Name"), "Ranger");
  EXPECT_EQ(db_.P(statement, "n"), "4");
  for (const char* wrong : {"name", "Name ", "Nam", ""}) EXPECT_EQ(db_.P(statement, wrong), "") << wrong;
  EXPECT_EQ(db_.StepQuery(statement), SQLITE_DONE);
  EXPECT_EQ(db_.FinalizeQuery(statement), SQLITE_OK);
}

TEST_F(MemoryDbTest, ABadStatementPreparesToNull) {
  EXPECT_EQ(db_.PrepareQuery("SELEKT 1"), nullptr);
  EXPECT_EQ(db_.StepQuery(nullptr), SQLITE_MISUSE);
  EXPECT_EQ(db_.P(nullptr, "n"), "");
}

TEST(SQLiterTest, NothingOpenRefusesQuietly) {
  TSQLiter db;
  EXPECT_NE(db.Query("SELECT 1"), SQLITE_OK);
  EXPECT_EQ(db.PrepareQuery("SELECT 1"), nullptr);
  EXPECT_EQ(db.Close(), SQLITE_OK);
}

}  // namespace
