#include "record/Sqlite.h"

namespace lumora::sqlite {

Database::Database(const QString& path) {
  sqlite3* db = nullptr;
  const int code = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  db_.reset(db);
  if (code != SQLITE_OK) fail(code);
  sqlite3_extended_result_codes(db, 1);
}

void Database::fail(int code) {
  SqliteError error{code & 0xFF, 0, QString::fromUtf8(sqlite3_errstr(code))};
  if (db_) {
    error.systemError = sqlite3_system_errno(db_.get());
    error.message = QString::fromUtf8(sqlite3_errmsg(db_.get()));
  }
  throw error;
}

void Database::execute(const char* sql) {
  if (const int code = sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr); code != SQLITE_OK) {
    fail(code);
  }
}

int Database::tryExecute(const char* sql) noexcept {
  return sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr);
}

Statement Database::prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (const int code = sqlite3_prepare_v2(db_.get(), sql, -1, &statement, nullptr);
      code != SQLITE_OK) {
    fail(code);
  }
  return Statement(*this, statement);
}

std::int64_t Database::integer(const char* sql) {
  Statement statement = prepare(sql);
  return statement.step() ? statement.integer(0) : 0;
}

Statement::Statement(Database& database, sqlite3_stmt* statement)
    : database_(database), statement_(statement) {}

Statement& Statement::bind(int index, std::int64_t value) {
  if (const int code = sqlite3_bind_int64(statement_.get(), index, value); code != SQLITE_OK) {
    database_.fail(code);
  }
  return *this;
}

Statement& Statement::bind(int index, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  if (const int code = sqlite3_bind_text(statement_.get(), index, utf8.constData(),
                                         static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
      code != SQLITE_OK) {
    database_.fail(code);
  }
  return *this;
}

bool Statement::step() {
  const int code = sqlite3_step(statement_.get());
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  database_.fail(code);
}

std::int64_t Statement::integer(int column) const {
  return sqlite3_column_int64(statement_.get(), column);
}

QString Statement::text(int column) const {
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
  return QString::fromUtf8(bytes, sqlite3_column_bytes(statement_.get(), column));
}

Transaction::Transaction(Database& database) : database_(database) {
  database_.execute("BEGIN IMMEDIATE");
}

// A failed commit or statement may already have ended the transaction; the rollback then
// has nothing to do, and a destructor may not throw.
Transaction::~Transaction() {
  if (open_) database_.tryExecute("ROLLBACK");
}

void Transaction::commit() {
  database_.execute("COMMIT");
  open_ = false;
}

}  // namespace lumora::sqlite
