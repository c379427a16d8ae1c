#include <gtest/gtest.h>
#include <sqlite3.h>

#include "built_in_files.h"
#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "progress/game_db.h"
#include "shell/game_state.h"
#include "shell/start_up.h"
#include "support/temp_folder.h"

namespace {

std::string EmbeddedSeed() {
  RegisterBuiltInFiles();
  const EmbeddedFile* seed = FindEmbeddedFile("Inc/QX.db");
  if (!seed) return std::string();
  return std::string(reinterpret_cast<const char*>(seed->bytes), seed->size);
}

// The whole of one query's result, one "a|b|c" line per row.
std::vector<std::string> Rows(TSQLiter& db, const std::string& sql) {
  std::vector<std::string> rows;
  sqlite3_stmt* statement = db.PrepareQuery(sql);
  while (db.StepQuery(statement) == SQLITE_ROW) {
    std::string row;
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
      if (column) row += "|";
      const unsigned char* text = sqlite3_column_text(statement, column);
      row += text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    rows.push_back(row);
  }
  db.FinalizeQuery(statement);
  return rows;
}

class SeedDatabaseTest : public testing::Test {
 protected:
  void SetUp() override {
    seed_ = EmbeddedSeed();
    ASSERT_FALSE(seed_.empty());
    folder_.Write("QX.db", seed_);
    ASSERT_EQ(db_.Open(folder_ / "QX.db", true), SQLITE_OK);
  }
  std::string seed_;
  TempFolder folder_;
  TSQLiter db_;
};

TEST_F(SeedDatabaseTest, HoldsExactlyTheFourDeclaredTables) {
  EXPECT_EQ(Rows(db_, "SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid"),
            (std::vector<std::string>{
                "records|CREATE TABLE records(trackname TEXT PRIMARY KEY, laprecord INTEGER, lapholder TEXT)",
                "team|CREATE TABLE team (id INTEGER, name TEXT, shield FLOAT, handling FLOAT, acceleration FLOAT, "
                "topspeed FLOAT, colour TEXT, locked INTEGER)",
                "options|CREATE TABLE options (id INTEGER PRIMARY KEY, laps INTEGER, view INTEGER, volfx INTEGER, "
                "volmusic INTEGER, map INTEGER, bombzoom INTEGER, keyleft INTEGER, keyright INTEGER, keyup INTEGER, "
                "keydown INTEGER, keypause INTEGER, keyshoot INTEGER)",
                "achievements|CREATE TABLE achievements (awarded NUMERIC, id INTEGER PRIMARY KEY)"}));
  EXPECT_EQ(Rows(db_, "PRAGMA page_size"), std::vector<std::string>{"1024"});
  EXPECT_EQ(Rows(db_, "PRAGMA encoding"), std::vector<std::string>{"UTF-8"});
  EXPECT_TRUE(Rows(db_, "SELECT * FROM records").empty());
}

TEST_F(SeedDatabaseTest, HoldsTheTwelveShips) {
  EXPECT_EQ(Rows(db_, "SELECT * FROM team"),
            (std::vector<std::string>{
                "1|Ranger|4.0|5.0|3.0|3.0|ff6600|0", "2|Sting|5.0|3.0|3.0|4.0|0080ff|0",
                "3|Gecko|3.0|3.0|5.0|3.0|00ffff|0", "4|Neon|5.0|4.0|2.0|3.0|ce67e9|1",
                "5|Ty|2.0|5.0|4.0|3.0|ffff00|1", "6|Roza|5.0|2.0|3.0|5.0|ff7091|1",
                "7|Fedz|1.0|4.0|4.0|5.0|0080ff|1", "8|Vio|3.0|3.0|4.0|4.0|8000ff|1",
                "9|Krait|2.0|5.0|5.0|3.0|00f900|1", "10|Octo|5.0|5.0|3.0|2.0|d40000|1",
                "11|Hutt|4.0|5.0|1.0|5.0|3fa971|1", "12|Geo|2.0|4.0|4.0|4.0|ffffff|1"}));
  EXPECT_EQ(Rows(db_, "SELECT typeof(shield) FROM team GROUP BY typeof(shield)"), std::vector<std::string>{"real"});
}

TEST_F(SeedDatabaseTest, HoldsTheOptionsRowAndTwentyUnawardedAchievements) {
  EXPECT_EQ(Rows(db_, "SELECT * FROM options"), std::vector<std::string>{"1|5|3|1|1|1|0|37|39|38|40|27|88"});
  EXPECT_EQ(Rows(db_, "SELECT count(*), min(id), max(id), sum(awarded) FROM achievements"),
            std::vector<std::string>{"20|1|20|0"});
}

// The first start copies the seed byte for byte; the next start keeps what was stored.
class FirstStartTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterBuiltInFiles();
    DataRoot = data_.path();
    SaveFolder = save_.path();
  }
  void TearDown() override {
    CloseGameDb();
    DataRoot.clear();
    SaveFolder.clear();
  }
  TempFolder data_, save_;
};

TEST_F(FirstStartTest, CopiesTheSeedExactlyAndASecondStartChangesNothing) {
  ASSERT_EQ(PrepareSaveFolder(), 1);
  ASSERT_NE(GameDb, nullptr);
  EXPECT_EQ(GameDb->file, save_ / "Database/QX.db");
  EXPECT_EQ(save_.Read("Database/QX.db"), EmbeddedSeed());
  EXPECT_EQ(DbGetInt("keypause", "options", 1), 27);

  DbSetInt("team", "locked", 0, 12);
  GameDb->Query("INSERT INTO records VALUES('Ruze', 61000, 'Kim')");
  CloseGameDb();
  const std::string stored = save_.Read("Database/QX.db");

  ASSERT_EQ(PrepareSaveFolder(), 1);
  EXPECT_EQ(DbGetInt("locked", "team", 12), 0);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "Ruze"), "Kim");
  CloseGameDb();
  EXPECT_EQ(save_.Read("Database/QX.db"), stored);
}

}  // namespace
