#pragma once

#include <QDate>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "record/Judgement.h"
#include "record/RecordFault.h"
#include "record/RecordReading.h"

namespace lumora {

namespace sqlite {
class Database;
struct SqliteError;
}  // namespace sqlite

// The learning record in one SQLite file (write-ahead log, one transaction per judgement),
// opened on first use. A fault is told through `tell`, once per kind, and the operation
// gives up: nothing here stops the caller. A damaged file, or one that is not a record, is
// moved aside and a new record started; one of a newer schema is left alone for the run.
class RecordStore {
 public:
  using Tell = std::function<void(const RecordFault&)>;

  // `path` of the record file, or ":memory:" for a record that lives as long as this.
  RecordStore(QString path, Tell tell);
  ~RecordStore();

  bool append(const Judgement& judgement);
  // The judgements from `from` on (every one when it is null), by the learner's date.
  RecordReading read(QDate from);
  // Every question's answers, newest first.
  std::vector<Attempt> attempts();
  // Every judgement, oldest first, as the columns of kExportColumns.
  std::vector<QStringList> exportRows();
  // Deletes every judgement.
  bool erase();

 private:
  template <typename Body>
  auto guarded(Body body) -> std::optional<decltype(body(std::declval<sqlite::Database&>()))>;
  bool open();
  bool recover(const sqlite::SqliteError& error);
  void tell(RecordFault fault);

  QString path_;
  Tell tell_;
  std::unique_ptr<sqlite::Database> db_;
  bool refused_ = false;  // a newer schema: never written by this run
  std::set<RecordFault::Kind> told_;
};

// The columns of exportRows: UTC time, local date, category code, first and second
// recording, asked, right answer, given, outcome code, milliseconds, auto run (0 or 1),
// replays.
inline constexpr int kExportColumns = 12;

}  // namespace lumora
