// Any bytes as a CP932 table file: decoding, splitting into fields and reading records.
#include "FuzzCheck.h"
#include "data/Cp932.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"
#include "data/TableShapes.h"

namespace lumora {
namespace {

// Text that could be encoded decodes to itself.
void checkReencoding(const QString& text) {
  if (const auto bytes = cp932::encode(text)) FUZZ_CHECK(cp932::decode(*bytes) == text);
}

// A table takes the fields in order, record by record, or stays untouched.
void checkRead(const QString& text, const QStringList& fields, TableShape shape) {
  TextTable table = shape.emptyTable();
  const TableReadResult result = readRecords(text, table);
  const bool fits =
      fields.size() % shape.columns == 0 && fields.size() / shape.columns <= shape.rows;
  FUZZ_CHECK(result.ok == fits);
  FUZZ_CHECK(result.ok == result.error.isEmpty());
  if (!result.ok) {
    FUZZ_CHECK(table == shape.emptyTable());
    return;
  }
  FUZZ_CHECK(result.records * shape.columns == fields.size());
  for (qsizetype i = 0; i < fields.size(); ++i) {
    FUZZ_CHECK(table(static_cast<int>(i / shape.columns), static_cast<int>(i % shape.columns)) ==
               fields[i]);
  }
}

// Fields the writer accepts read back unchanged from what it writes.
void checkWriteAndReadBack(const QStringList& fields) {
  QStringList writable;
  for (const QString& field : fields) {
    if (!field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n')) {
      writable << field;
    }
  }
  QString text;
  for (qsizetype first = 0; first < writable.size(); first += kMissListShape.columns) {
    text += formatRecord(writable.mid(first, kMissListShape.columns));
  }
  FUZZ_CHECK(splitFields(text) == writable);
}

}  // namespace
}  // namespace lumora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const auto text = cp932::decode(fuzz::bytesOf(data, size));
  if (!text) return 0;
  checkReencoding(*text);
  const QStringList fields = splitFields(*text);
  for (const QString& field : fields) FUZZ_CHECK(!field.contains(u'\n'));
  for (const TableShape& shape : {kHardSoundShape, kSplitSoundShape})
    checkRead(*text, fields, shape);
  checkWriteAndReadBack(fields);
  return 0;
}
