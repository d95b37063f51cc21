#include "data/RecordWriter.h"

namespace lumora {

QString formatRecord(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted.append(u'"' + field + u'"');
  return quoted.join(u',') + QStringLiteral("\r\n");
}

}  // namespace lumora
