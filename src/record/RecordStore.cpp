#include "record/RecordStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <unistd.h>

#include "record/Sqlite.h"

namespace lumora {
namespace {

using sqlite::Database;
using sqlite::SqliteError;
using sqlite::Statement;

const QString kInMemory = QStringLiteral(":memory:");

// 'LMRA': tells our record from any other SQLite file.
constexpr std::int64_t kApplicationId = 0x4C4D5241;

// Migration k takes a record of schema version k to version k + 1.
constexpr const char* kMigrations[] = {
    "CREATE TABLE judgement ("
    " id INTEGER PRIMARY KEY,"
    " answered_utc TEXT NOT NULL,"
    " local_day TEXT NOT NULL,"
    " category INTEGER NOT NULL,"
    " file_a TEXT NOT NULL,"
    " file_b TEXT NOT NULL,"
    " asked TEXT NOT NULL,"
    " right_answer TEXT NOT NULL,"
    " given TEXT NOT NULL,"
    " option1 TEXT NOT NULL, option2 TEXT NOT NULL, option3 TEXT NOT NULL,"
    " outcome INTEGER NOT NULL CHECK (outcome IN (0, 1, 2)),"
    " answer_ms INTEGER NOT NULL CHECK (answer_ms >= 0),"
    " auto_run INTEGER NOT NULL,"
    " replays INTEGER NOT NULL,"
    " kind INTEGER NOT NULL, value1 INTEGER NOT NULL, value2 INTEGER NOT NULL,"
    " choice0 INTEGER NOT NULL, choice1 INTEGER NOT NULL, choice2 INTEGER NOT NULL,"
    " choice3 INTEGER NOT NULL, hard_row INTEGER NOT NULL);"
    // Covers the figures per day, so that a long record is read from the index alone.
    "CREATE INDEX judgement_by_day ON judgement (local_day, category, outcome, answer_ms);",
};
constexpr int kSchemaVersion = static_cast<int>(std::size(kMigrations));

// Another copy of Lumora writing holds the lock for a moment; longer than this is told.
constexpr int kBusyWaitMilliseconds = 2000;

SqliteError notARecord() { return {SQLITE_NOTADB, 0, QStringLiteral("not a learning record")}; }

// Our record, a new empty file, or anything else. Read in one statement, so one snapshot:
// another copy of Lumora creating the record between two reads would make ours look foreign
// and have it moved aside.
void checkIdentity(Database& db) {
  const std::int64_t ours = db.integer(
      QStringLiteral("SELECT application_id = %1 OR (application_id = 0 AND"
                     " (SELECT count(*) FROM sqlite_master) = 0) FROM pragma_application_id()")
          .arg(kApplicationId)
          .toUtf8()
          .constData());
  if (ours == 0) throw notARecord();
}

// Switching to write-ahead logging takes the whole file for a moment, and a second copy of
// Lumora opening the same new record then finds it busy at once, without the wait other
// statements get: wait here as they would.
void useWriteAheadLog(Database& db) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyWaitMilliseconds);
  while ((db.tryExecute("PRAGMA journal_mode = WAL") & 0xFF) == SQLITE_BUSY &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  // Mapped rather than read page by page: the window reads a long record at once.
  db.execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA mmap_size = 268435456;");
}

// Read again under the write lock: another copy of Lumora may have migrated meanwhile.
void migrate(Database& db) {
  sqlite::Transaction transaction(db);
  const int from = static_cast<int>(db.integer("PRAGMA user_version"));
  for (int version = from; version < kSchemaVersion; ++version) db.execute(kMigrations[version]);
  db.execute(QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2;")
                 .arg(kApplicationId)
                 .arg(kSchemaVersion)
                 .toUtf8()
                 .constData());
  transaction.commit();
}

std::filesystem::path fileSystemPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

// The error number behind an SQLite failure. A file that cannot be opened or written is
// mostly a folder that cannot be written, which the folder itself tells best; otherwise the
// system's own where a call failed, else the one the result code stands for.
int errorNumber(const SqliteError& error, const QString& path) {
  const bool notWritable =
      error.code == SQLITE_READONLY || error.code == SQLITE_PERM || error.code == SQLITE_CANTOPEN;
  if (notWritable && ::access(QFile::encodeName(QFileInfo(path).absolutePath()), W_OK) != 0) {
    return errno;
  }
  if (error.systemError != 0) return error.systemError;
  switch (error.code) {
    case SQLITE_FULL:
      return ENOSPC;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
      return EACCES;
    case SQLITE_IOERR:
      return EIO;
    default:
      return 0;
  }
}

// A free name beside `path` that says when the file was moved aside:
// 学習記録-壊れていた-20261207-203000.sqlite3
QString asideName(const QString& path) {
  const QFileInfo info(path);
  const QString stem =
      info.dir().filePath(info.completeBaseName() + QStringLiteral("-壊れていた-") +
                          QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
  const QString suffix = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
  QString name = stem + suffix;
  for (int n = 2; QFileInfo::exists(name); ++n)
    name = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
  return name;
}

RecordFault faultOf(RecordFault::Kind kind, std::optional<FileFault> file = std::nullopt,
                    QString movedTo = {}) {
  return {kind, {}, std::move(movedTo), std::move(file)};
}

QString dayText(QDate day) { return day.toString(Qt::ISODate); }

Outcome outcomeOf(std::int64_t code) {
  return code == 1 ? Outcome::right : code == 2 ? Outcome::unanswered : Outcome::wrong;
}

std::array<QString, 3> optionsOf(const Statement& row, int first) {
  return {row.text(first), row.text(first + 1), row.text(first + 2)};
}

}  // namespace

RecordStore::RecordStore(QString path, Tell tell)
    : path_(std::move(path)), tell_(std::move(tell)) {}

RecordStore::~RecordStore() = default;

void RecordStore::tell(RecordFault fault) {
  if (!told_.insert(fault.kind).second) return;
  fault.path = path_;
  tell_(fault);
}

bool RecordStore::open() {
  if (refused_) return false;
  if (db_) return true;
  if (path_ != kInMemory) {
    std::error_code error;
    const auto folder = fileSystemPath(QFileInfo(path_).absolutePath());
    if (!std::filesystem::create_directories(folder, error) && error) {
      tell(faultOf(RecordFault::Kind::folderNotCreated,
                   FileFault::fromErrno(error.value(), QFileInfo(path_).absolutePath())));
      return false;
    }
  }
  auto db = std::make_unique<Database>(path_);
  db->execute(
      QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyWaitMilliseconds).toUtf8().constData());
  checkIdentity(*db);
  const int version = static_cast<int>(db->integer("PRAGMA user_version"));
  if (version > kSchemaVersion) {
    refused_ = true;
    tell(faultOf(RecordFault::Kind::newerSchema));
    return false;
  }
  useWriteAheadLog(*db);
  if (version < kSchemaVersion) migrate(*db);
  db_ = std::move(db);
  return true;
}

// Moves a damaged file aside (its log too) and says whether to try again on a new record.
bool RecordStore::recover(const SqliteError& error) {
  if ((error.code == SQLITE_NOTADB || error.code == SQLITE_CORRUPT) && path_ != kInMemory) {
    db_.reset();
    const QString aside = asideName(path_);
    std::error_code renameError;
    std::filesystem::rename(fileSystemPath(path_), fileSystemPath(aside), renameError);
    if (renameError) {
      tell(
          faultOf(RecordFault::Kind::notWritten, FileFault::fromErrno(renameError.value(), path_)));
      return false;
    }
    for (const char* companion : {"-wal", "-shm"}) {
      std::error_code ignored;  // a companion may well not exist
      std::filesystem::rename(fileSystemPath(path_ + companion), fileSystemPath(aside + companion),
                              ignored);
    }
    tell(faultOf(RecordFault::Kind::movedAside, std::nullopt, aside));
    return true;
  }
  if (error.code == SQLITE_BUSY || error.code == SQLITE_LOCKED) {
    tell(faultOf(RecordFault::Kind::locked));
    return false;
  }
  if (error.code == SQLITE_CANTOPEN) db_.reset();  // opened again at the next use
  const int code = errorNumber(error, path_);
  tell(faultOf(RecordFault::Kind::notWritten,
               code != 0 ? std::optional(FileFault::fromErrno(code, path_)) : std::nullopt));
  return false;
}

// Runs `body` on the open record; a damaged record is replaced and `body` tried once more.
template <typename Body>
auto RecordStore::guarded(Body body)
    -> std::optional<decltype(body(std::declval<sqlite::Database&>()))> {
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      if (!open()) return std::nullopt;
      return body(*db_);
    } catch (const SqliteError& error) {
      if (!recover(error)) return std::nullopt;
    }
  }
  return std::nullopt;
}

bool RecordStore::append(const Judgement& j) {
  return guarded([&](Database& db) {
           const MissQuestion& e = j.question.entry;
           const auto utc = QDateTime::fromMSecsSinceEpoch(
               std::chrono::duration_cast<std::chrono::milliseconds>(j.at.time_since_epoch())
                   .count(),
               Qt::UTC);
           db.prepare(
                 "INSERT INTO judgement (answered_utc, local_day, category, file_a, file_b, asked,"
                 " right_answer, given, option1, option2, option3, outcome, answer_ms, auto_run,"
                 " replays, kind, value1, value2, choice0, choice1, choice2, choice3, hard_row)"
                 " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16,"
                 " ?17, ?18, ?19, ?20, ?21, ?22, ?23)")
               .bind(1, utc.toString(Qt::ISODateWithMs))
               .bind(2, dayText(j.localDay))
               .bind(3, e.category)
               .bind(4, e.fileA)
               .bind(5, e.fileB)
               .bind(6, j.question.asked)
               .bind(7, j.question.rightAnswer)
               .bind(8, j.given)
               .bind(9, j.question.options[0])
               .bind(10, j.question.options[1])
               .bind(11, j.question.options[2])
               .bind(12, static_cast<int>(j.outcome))
               // A clock set back meanwhile: 0, never less, as the table requires.
               .bind(13, std::max<std::int64_t>(0, j.answerMilliseconds))
               .bind(14, j.autoRun ? 1 : 0)
               .bind(15, j.replays)
               .bind(16, e.kind)
               .bind(17, e.answer[1])
               .bind(18, e.answer[2])
               .bind(19, e.choices[0])
               .bind(20, e.choices[1])
               .bind(21, e.choices[2])
               .bind(22, e.choices[3])
               .bind(23, e.hardSoundRow)
               .run();
           return true;
         })
      .value_or(false);
}

RecordReading RecordStore::read(QDate from) {
  const QString since = from.isValid() ? dayText(from) : QString();
  return guarded([&](Database& db) {
           RecordReading reading;
           // The day as a Julian day number: a long record is read without a text per row.
           Statement answers = db.prepare(
               "SELECT CAST(julianday(local_day) + 0.5 AS INTEGER), category, outcome, answer_ms"
               " FROM judgement WHERE local_day >= ?1");
           answers.bind(1, since);
           while (answers.step()) {
             reading.answers.push_back({QDate::fromJulianDay(answers.integer(0)),
                                        static_cast<std::int16_t>(answers.integer(1)),
                                        outcomeOf(answers.integer(2)), answers.integer(3)});
           }
           // One pass over the table each: cheaper than a lookup per row of a long period.
           Statement confusions = db.prepare(
               "SELECT option1, option2, option3, asked, given, count(*) FROM judgement NOT INDEXED"
               " WHERE category = 7 AND outcome <> 2 AND local_day >= ?1 GROUP BY 1, 2, 3, 4, 5");
           confusions.bind(1, since);
           while (confusions.step()) {
             reading.confusions.push_back({optionsOf(confusions, 0), confusions.text(3),
                                           confusions.text(4),
                                           static_cast<int>(confusions.integer(5))});
           }
           Statement mishearings = db.prepare(
               "SELECT category, right_answer, given, count(*) FROM judgement NOT INDEXED"
               " WHERE outcome = 0 AND category NOT IN (6, 7) AND local_day >= ?1 GROUP BY 1, 2, "
               "3");
           mishearings.bind(1, since);
           while (mishearings.step()) {
             reading.mishearings.push_back({static_cast<std::int16_t>(mishearings.integer(0)),
                                            mishearings.text(1), mishearings.text(2),
                                            static_cast<int>(mishearings.integer(3))});
           }
           return reading;
         })
      .value_or(RecordReading{});
}

std::vector<Attempt> RecordStore::attempts() {
  return guarded([](Database& db) {
           std::vector<Attempt> attempts;
           Statement row = db.prepare(
               "SELECT category, kind, file_a, file_b, value1, value2, choice0, choice1, choice2,"
               " choice3, hard_row, outcome FROM judgement ORDER BY id DESC");
           const auto small = [&row](int column) {
             return static_cast<std::int16_t>(row.integer(column));
           };
           while (row.step()) {
             Attempt attempt;
             MissQuestion& e = attempt.entry;
             e.category = small(0);
             e.kind = small(1);
             e.fileA = row.text(2);
             e.fileB = row.text(3);
             e.answer = {e.kind, small(4), small(5)};
             e.choices = {small(6), small(7), small(8), small(9)};
             e.hardSoundRow = small(10);
             attempt.outcome = outcomeOf(row.integer(11));
             attempts.push_back(std::move(attempt));
           }
           return attempts;
         })
      .value_or(std::vector<Attempt>{});
}

std::vector<QStringList> RecordStore::exportRows() {
  return guarded([](Database& db) {
           std::vector<QStringList> rows;
           Statement row = db.prepare(
               "SELECT answered_utc, local_day, category, file_a, file_b, asked, right_answer,"
               " given, outcome, answer_ms, auto_run, replays FROM judgement ORDER BY id");
           while (row.step()) {
             QStringList cells;
             for (int column = 0; column < kExportColumns; ++column) cells << row.text(column);
             rows.push_back(cells);
           }
           return rows;
         })
      .value_or(std::vector<QStringList>{});
}

// The deleted rows leave no trace in the file: VACUUM rewrites it, the checkpoint empties the
// log.
bool RecordStore::erase() {
  return guarded([](Database& db) {
           db.execute("DELETE FROM judgement");
           db.execute("VACUUM");
           db.execute("PRAGMA wal_checkpoint(TRUNCATE)");
           return true;
         })
      .value_or(false);
}

}  // namespace lumora
