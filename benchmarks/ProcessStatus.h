#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The resident memory of a process in MiB, from /proc/<process>/status: "self" for this
// one, or a process id. 0 when it cannot be read.
inline double residentMiB(const QString& process = QStringLiteral("self")) {
  QFile status(QStringLiteral("/proc/%1/status").arg(process));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    // The kernel gives it in kB.
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  }
  return 0;
}
