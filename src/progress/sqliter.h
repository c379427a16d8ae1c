// The thin wrapper over one SQLite connection that the game's queries go through.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class TSQLiter {
 public:
  // New: nothing open yet; the wrapper joins the list of all wrappers.
  TSQLiter();
  TSQLiter(const TSQLiter&) = delete;
  TSQLiter& operator=(const TSQLiter&) = delete;
  // Closes the connection if still open and leaves the list.
  ~TSQLiter();

  // Opens (or creates) the database at path. Unless quiet, a file that is not there yet is
  // announced first: the game always copies the seed before opening, so this means trouble.
  int Open(const std::string& path, bool quiet);
  // Runs one or more statements in one go; the rows they give are only counted.
  int Query(const std::string& statement, int mode = 0);
  // Compiles one statement; null when it does not compile (or nothing is open).
  sqlite3_stmt* PrepareQuery(const std::string& statement);
  // 100 (SQLITE_ROW) while rows come.
  int StepQuery(sqlite3_stmt* statement);
  // The text of the current row's column named exactly column; empty when there is none.
  std::string P(sqlite3_stmt* statement, const std::string& column);
  int FinalizeQuery(sqlite3_stmt* statement);
  std::string LastError() const;
  int Close();

  sqlite3* db = nullptr;
  std::string file;
  int my_data = 0;
  char* errmsg = nullptr;
  std::string last_query;
};

// Every wrapper alive, oldest first.
const std::vector<TSQLiter*>& AllSQLiters();

// Where "no database file found:" goes; by default a notice box (and standard error).
using DbNoticeFn = std::function<void(const std::string& text)>;
void SetDbNoticeHandler(DbNoticeFn handler);
