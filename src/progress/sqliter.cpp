#include "progress/sqliter.h"

#include <sqlite3.h>

#include <algorithm>

#include "platform/error_box.h"
#include "platform/file_system.h"

namespace {

std::vector<TSQLiter*>& Wrappers() {
  static std::vector<TSQLiter*> wrappers;
  return wrappers;
}

DbNoticeFn& NoticeHandler() {
  static DbNoticeFn handler;
  return handler;
}

void ShowNotice(const std::string& text) {
  if (NoticeHandler()) {
    NoticeHandler()(text);
  } else {
    ShowErrorBox("Quorvex", text, false, true);
  }
}

int CountRow(void* wrapper, int, char**, char**) {
  ++static_cast<TSQLiter*>(wrapper)->my_data;
  return 0;
}

}  // namespace

const std::vector<TSQLiter*>& AllSQLiters() { return Wrappers(); }

void SetDbNoticeHandler(DbNoticeFn handler) { NoticeHandler() = std::move(handler); }

TSQLiter::TSQLiter() { Wrappers().push_back(this); }

TSQLiter::~TSQLiter() {
  Close();
  auto& wrappers = Wrappers();
  wrappers.erase(std::remove(wrappers.begin(), wrappers.end(), this), wrappers.end());
}

int TSQLiter::Open(const std::string& path, bool quiet) {
  Close();
  file = path;
  if (path != ":memory:" && FileType(path) != 1 && !quiet) {
    ShowNotice("no database file found:\n" + path);
  }
  const int result = sqlite3_open(path.c_str(), &db);
  if (result != SQLITE_OK && db) {
    // A handle comes back even on failure; it holds only the error and must still be closed.
    sqlite3_close(db);
    db = nullptr;
  }
  return result;
}

int TSQLiter::Query(const std::string& statement, int /*mode*/) {
  last_query = statement;
  if (!db) return SQLITE_MISUSE;
  my_data = 0;
  if (errmsg) {
    sqlite3_free(errmsg);
    errmsg = nullptr;
  }
  return sqlite3_exec(db, statement.c_str(), CountRow, this, &errmsg);
}

sqlite3_stmt* TSQLiter::PrepareQuery(const std::string& statement) {
  if (!db) return nullptr;
  sqlite3_stmt* prepared = nullptr;
  if (sqlite3_prepare_v2(db, statement.c_str(), -1, &prepared, nullptr) != SQLITE_OK) {
    sqlite3_finalize(prepared);
    return nullptr;
  }
  return prepared;
}

int TSQLiter::StepQuery(sqlite3_stmt* statement) {
  if (!statement) return SQLITE_MISUSE;
  return sqlite3_step(statement);
}

std::string TSQLiter::P(sqlite3_stmt* statement, const std::string& column) {
  if (!statement) return std::string();
  const int count = sqlite3_column_count(statement);
  for (int index = 0; index < count; ++index) {
    const char* name = sqlite3_column_name(statement, index);
    if (!name || column != name) continue;
    const unsigned char* text = sqlite3_column_text(statement, index);
    const int bytes = sqlite3_column_bytes(statement, index);
    if (!text) return std::string();
    return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes));
  }
  return std::string();
}

int TSQLiter::FinalizeQuery(sqlite3_stmt* statement) { return sqlite3_finalize(statement); }

std::string TSQLiter::LastError() const {
  if (!db) return "no database open";
  return sqlite3_errmsg(db);
}

int TSQLiter::Close() {
  if (errmsg) {
    sqlite3_free(errmsg);
    errmsg = nullptr;
  }
  if (!db) return SQLITE_OK;
  // close_v2: should a statement still be open, the connection goes once it is finalized.
  const int result = sqlite3_close_v2(db);
  db = nullptr;
  return result;
}
