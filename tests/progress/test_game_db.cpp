#include <gtest/gtest.h>
#include <sqlite3.h>

#include "built_in_files.h"
#include "platform/file_system.h"
#include "progress/game_db.h"
#include "shell/log.h"
#include "support/temp_folder.h"

namespace {

// The queries against a copy of the seed database, with every statement SQLite runs and
// every logged line recorded.
class GameDbTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterBuiltInFiles();
    ASSERT_EQ(CopyFile("incbin::Inc/QX.db", folder_ / "QX.db"), 1);
    ASSERT_EQ(OpenGameDb(folder_ / "QX.db"), SQLITE_OK);
    sqlite3_trace_v2(GameDb->db, SQLITE_TRACE_STMT, Trace, &statements_);
    SetLogFilePath(folder_ / "test.log");
    SetLogging(1, [this](const std::string& line) { logged_.push_back(line); });
    logged_.clear();
  }
  void TearDown() override {
    SetLogging(0);
    CloseLogFile();
    CloseGameDb();
  }
  static int Trace(unsigned, void* context, void* statement, void*) {
    auto* seen = static_cast<std::vector<std::string>*>(context);
    char* text = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    seen->push_back(text ? text : "");
    sqlite3_free(text);
    return 0;
  }

  TempFolder folder_;
  std::vector<std::string> statements_;
  std::vector<std::string> logged_;
};

TEST_F(GameDbTest, AnIdBelowOneSendsNoStatement) {
  EXPECT_EQ(DbGetInt("locked", "team", 0), 0);
  EXPECT_FLOAT_EQ(DbGetFloat("shield", "team", -3), 0.0f);
  EXPECT_EQ(DbGetString("name", "team", 0), "");
  EXPECT_TRUE(statements_.empty());
  EXPECT_TRUE(logged_.empty());
}

TEST_F(GameDbTest, GettersReadTheSeedRows) {
  EXPECT_EQ(DbGetInt("locked", "team", 4), 1);
  EXPECT_EQ(DbGetString("name", "team", 11), "Hutt");
  EXPECT_EQ(DbGetString("colour", "team", 7), "0080ff");
  EXPECT_FLOAT_EQ(DbGetFloat("topspeed", "team", 6), 5.0f);
  EXPECT_EQ(DbGetInt("laps", "options", 1), 5);
  EXPECT_EQ(DbGetInt("locked", "team", 13), 0);
  EXPECT_EQ(DbGetString("name", "team", 13), "");
  EXPECT_EQ(DbGetInt("nosuchcolumn", "team", 1), 0);
  EXPECT_EQ(statements_.front(), "SELECT locked FROM team WHERE id=4");
}

TEST_F(GameDbTest, ThePauseKeyReadsAsItsNumber) { EXPECT_EQ(DbGetInt("keypause", "options", 1), 27); }

TEST_F(GameDbTest, FloatAndStringGettersLogTheirStatementTheOthersDoNot) {
  DbGetFloat("volfx", "options", 1);
  DbGetString("name", "team", 1);
  DbGetInt("laps", "options", 1);
  DbGetIntWhere("laprecord", "records", "trackname", "Ruze");
  DbGetStringWhere("lapholder", "records", "trackname", "Ruze");
  EXPECT_EQ(logged_, (std::vector<std::string>{"SELECT volfx FROM options WHERE id=1\r\n",
                                                "SELECT name FROM team WHERE id=1\r\n"}));
}

TEST_F(GameDbTest, SettersRunOneCommittedUpdateEach) {
  DbSetFloat("options", "volfx", 0.5f, 1);
  EXPECT_EQ(statements_, (std::vector<std::string>{"BEGIN;", "UPDATE options SET volfx='0.5' WHERE id=1", "COMMIT;"}));
  EXPECT_EQ(logged_, std::vector<std::string>{"UPDATE options SET volfx='0.5' WHERE id=1\r\n"});
  EXPECT_FLOAT_EQ(DbGetFloat("volfx", "options", 1), 0.5f);
  EXPECT_TRUE(sqlite3_get_autocommit(GameDb->db));
}

TEST_F(GameDbTest, ChangesAreOnDiskAtOnce) {
  DbSetInt("team", "locked", 0, 9);
  DbSetString("team", "name", "Nova", 9);
  TSQLiter other;
  ASSERT_EQ(other.Open(folder_ / "QX.db", true), SQLITE_OK);
  sqlite3_stmt* statement = other.PrepareQuery("SELECT name, locked FROM team WHERE id=9");
  ASSERT_EQ(other.StepQuery(statement), SQLITE_ROW);
  EXPECT_EQ(other.P(statement, "name"), "Nova");
  EXPECT_EQ(other.P(statement, "locked"), "0");
  other.FinalizeQuery(statement);
}

TEST_F(GameDbTest, QuotesInTextValuesRoundTrip) {
  for (const std::string name : {"O'Neil", "''", "a'b'c'", "x'; DROP TABLE team; --"}) {
    DbSetString("team", "name", name, 3);
    EXPECT_EQ(DbGetString("name", "team", 3), name);
    EXPECT_EQ(DbGetIntWhere("id", "team", "name", name), 3) << name;
  }
  GameDb->Query("INSERT INTO records VALUES('" + SqlText("O'Neil's Loop") + "', 61234, '" + SqlText("D'Arcy") + "')");
  EXPECT_EQ(DbGetIntWhere("laprecord", "records", "trackname", "O'Neil's Loop"), 61234);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "O'Neil's Loop"), "D'Arcy");
  EXPECT_EQ(DbGetInt("id", "team", 12), 12);
}

TEST_F(GameDbTest, WhereLookupsFindNothingAsDefaults) {
  EXPECT_EQ(DbGetIntWhere("laprecord", "records", "trackname", "Ruze"), 0);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "Ruze"), "");
  EXPECT_EQ(statements_.front(), "SELECT laprecord FROM records WHERE trackname = 'Ruze'");
}

TEST(GameDbClosedTest, QueriesWithoutADatabaseGiveDefaults) {
  CloseGameDb();
  EXPECT_EQ(DbGetInt("laps", "options", 1), 0);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "Ruze"), "");
  EXPECT_EQ(DbSetInt("options", "laps", 3, 1), 0);
}

}  // namespace
