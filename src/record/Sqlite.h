#pragma once

#include <sqlite3.h>

#include <QString>
#include <cstdint>
#include <memory>

// A thin owner of SQLite's connection and statements. Every failure throws SqliteError,
// which the record catches at the edge of each of its operations.
namespace lumora::sqlite {

struct SqliteError {
  int code = SQLITE_ERROR;  // the primary result code
  int systemError = 0;      // the errno of the failed system call, if one failed
  QString message;
};

class Statement;

class Database {
 public:
  // Opens or creates the database at `path` (":memory:" for one in memory).
  explicit Database(const QString& path);

  void execute(const char* sql);
  int tryExecute(const char* sql) noexcept;  // the result code, never thrown
  Statement prepare(const char* sql);
  std::int64_t integer(const char* sql);  // the first column of the first row
  [[noreturn]] void fail(int code);

 private:
  struct Close {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  std::unique_ptr<sqlite3, Close> db_;
};

class Statement {
 public:
  Statement(Database& database, sqlite3_stmt* statement);

  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, const QString& text);
  // Steps once; false when there are no more rows.
  bool step();
  void run() { step(); }

  std::int64_t integer(int column) const;
  QString text(int column) const;

 private:
  struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  Database& database_;
  std::unique_ptr<sqlite3_stmt, Finalize> statement_;
};

// An immediate transaction, rolled back unless committed.
class Transaction {
 public:
  explicit Transaction(Database& database);
  ~Transaction();
  void commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace lumora::sqlite
