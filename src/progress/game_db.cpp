#include "progress/game_db.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdlib>

#include "shell/log.h"

std::unique_ptr<TSQLiter> GameDb;

namespace {

std::string ByIdStatement(const std::string& column, const std::string& table, int id) {
  return "SELECT " + column + " FROM " + table + " WHERE id=" + std::to_string(id);
}

std::string WhereStatement(const std::string& column, const std::string& table, const std::string& keyColumn,
                           const std::string& keyText) {
  return "SELECT " + column + " FROM " + table + " WHERE " + keyColumn + " = '" + SqlText(keyText) + "'";
}

// Prepares, steps once and reads the named column of the first row; "" when there is none.
std::string FirstValue(const std::string& statement, const std::string& column) {
  if (!GameDb) return std::string();
  sqlite3_stmt* prepared = GameDb->PrepareQuery(statement);
  if (!prepared) return std::string();
  std::string value;
  if (GameDb->StepQuery(prepared) == SQLITE_ROW) value = GameDb->P(prepared, column);
  GameDb->FinalizeQuery(prepared);
  return value;
}

// Leading number only, as the seed's "27\n" must read as 27.
int ToInt(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }
float ToFloat(const std::string& text) { return std::strtof(text.c_str(), nullptr); }

// The shortest decimal that reads back as the same float: 0.5 is "0.5".
std::string FloatText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

void RunUpdate(const std::string& table, const std::string& column, const std::string& value, int id) {
  const std::string update = "UPDATE " + table + " SET " + column + "='" + value + "' WHERE id=" + std::to_string(id);
  Log(update);
  if (!GameDb) return;
  GameDb->Query("BEGIN;");
  GameDb->Query(update);
  GameDb->Query("COMMIT;");
}

}  // namespace

int OpenGameDb(const std::string& path) {
  GameDb.reset();
  GameDb = std::make_unique<TSQLiter>();
  return GameDb->Open(path, false);
}

void CloseGameDb() { GameDb.reset(); }

std::string SqlText(const std::string& value) {
  std::string quoted;
  quoted.reserve(value.size());
  for (const char c : value) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted;
}

int DbGetInt(const std::string& column, const std::string& table, int id) {
  if (id < 1) return 0;
  return ToInt(FirstValue(ByIdStatement(column, table, id), column));
}

int DbGetIntWhere(const std::string& column, const std::string& table, const std::string& keyColumn,
                  const std::string& keyText) {
  return ToInt(FirstValue(WhereStatement(column, table, keyColumn, keyText), column));
}

float DbGetFloat(const std::string& column, const std::string& table, int id) {
  if (id < 1) return 0.0f;
  const std::string statement = ByIdStatement(column, table, id);
  Log(statement);
  return ToFloat(FirstValue(statement, column));
}

std::string DbGetString(const std::string& column, const std::string& table, int id) {
  if (id < 1) return std::string();
  const std::string statement = ByIdStatement(column, table, id);
  Log(statement);
  return FirstValue(statement, column);
}

std::string DbGetStringWhere(const std::string& column, const std::string& table,
                             const std::string& keyColumn, const std::string& keyText) {
  return FirstValue(WhereStatement(column, table, keyColumn, keyText), column);
}

int DbSetInt(const std::string& table, const std::string& column, int value, int id) {
  RunUpdate(table, column, std::to_string(value), id);
  return 0;
}

int DbSetFloat(const std::string& table, const std::string& column, float value, int id) {
  RunUpdate(table, column, FloatText(value), id);
  return 0;
}

int DbSetString(const std::string& table, const std::string& column, const std::string& value, int id) {
  RunUpdate(table, column, SqlText(value), id);
  return 0;
}
