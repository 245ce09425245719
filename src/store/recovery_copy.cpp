#include "recovery_copy.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "atomic_file.h"
#include "config.h"
#include "data_file.h"
#include "file_error.h"

namespace {

const QString kCopySuffix = QStringLiteral(".TLG");
const QString kSidecarSuffix = QStringLiteral(".ini");

QString CopyPath(const QString& folder, const QString& key) {
  return folder + QLatin1Char('/') + key + kCopySuffix;
}

QString SidecarPath(const QString& folder, const QString& key) {
  return folder + QLatin1Char('/') + key + kSidecarSuffix;
}

// The path is kept as a file URL: one line whatever the name holds, and the names of a
// protected file's business never stand in the folder as plain text.
std::string SidecarText(const QString& originalPath, const QDateTime& when) {
  const QByteArray url =
      originalPath.isEmpty() ? QByteArray() : QUrl::fromLocalFile(originalPath).toEncoded();
  const QString written = when.toUTC().toString(Qt::ISODateWithMs);
  return "url=" + url.toStdString() + "\nwritten=" + written.toStdString() + "\n";
}

std::optional<RecoveryCopy> ReadSidecar(const QString& folder, const QString& key) {
  QFile file(SidecarPath(folder, key));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  RecoveryCopy copy;
  copy.dataPath = CopyPath(folder, key);
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.startsWith("url=")) {
      const QByteArray url = line.mid(4).trimmed();
      if (!url.isEmpty()) copy.originalPath = QUrl::fromEncoded(url).toLocalFile();
    } else if (line.startsWith("written=")) {
      copy.written =
          QDateTime::fromString(QString::fromLatin1(line.mid(8).trimmed()), Qt::ISODateWithMs)
              .toLocalTime();
    }
  }
  if (!copy.written.isValid() || !QFileInfo(copy.dataPath).isFile()) return std::nullopt;
  return copy;
}

void MakePrivateFolder(const QString& folder) {
  QDir().mkpath(folder);
  QFile::setPermissions(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A name of the set-aside folder: "NAME yyyy-MM-dd HHmmss.TLG", "-2"… on a clash.
QString FreeSetAsideName(const QString& aside, const RecoveryCopy& copy) {
  const QString base = copy.originalPath.isEmpty()
                           ? QStringLiteral("新規データ")
                           : QFileInfo(copy.originalPath).completeBaseName();
  const QString stem =
      base + QLatin1Char(' ') + copy.written.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
  QString path = aside + QLatin1Char('/') + stem + kCopySuffix;
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = aside + QLatin1Char('/') + stem + QLatin1Char('-') + QString::number(n) + kCopySuffix;
  }
  return path;
}

}  // namespace

QString RecoveryFolder() {
  const QString folder = ConfigFolder() + QStringLiteral("/Recovery");
  MakePrivateFolder(folder);
  return folder;
}

QString SetAsideFolder(const QString& folder) {
  return folder + QStringLiteral("/Discarded");
}

QString RecoveryKey(const QString& originalPath) {
  const QFileInfo info(originalPath);
  const QString canonical = info.canonicalFilePath();
  const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
  return QString::fromLatin1(
      QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));
}

QString NewDocumentKey() {
  return QStringLiteral("new-%1-%2")
      .arg(QDateTime::currentMSecsSinceEpoch())
      .arg(QCoreApplication::applicationPid());
}

std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder) {
  std::vector<RecoveryCopy> copies;
  const QStringList sidecars =
      QDir(folder).entryList({QStringLiteral("*") + kSidecarSuffix}, QDir::Files);
  for (const QString& name : sidecars) {
    const QString key = name.left(name.size() - kSidecarSuffix.size());
    if (std::optional<RecoveryCopy> copy = ReadSidecar(folder, key)) copies.push_back(*copy);
  }
  std::sort(copies.begin(), copies.end(),
            [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written > b.written; });
  return copies;
}

std::optional<RecoveryCopy> RecoveryCopyFor(const QString& folder, const QString& originalPath) {
  return ReadSidecar(folder, RecoveryKey(originalPath));
}

bool IsNewerThanItsFile(const RecoveryCopy& copy) {
  const QFileInfo file(copy.originalPath);
  if (copy.originalPath.isEmpty() || !file.exists()) return true;
  return copy.written > file.lastModified();
}

QString SetAside(const RecoveryCopy& copy, const QString& folder) {
  const QString aside = SetAsideFolder(folder);
  MakePrivateFolder(aside);
  const QString target = FreeSetAsideName(aside, copy);
  if (!QFile::rename(copy.dataPath, target)) return QString();
  // Kept for a while from now, not from when the copy was taken.
  QFile moved(target);
  if (moved.open(QIODevice::ReadWrite)) {
    moved.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
  }
  const QFileInfo info(copy.dataPath);
  QFile::remove(SidecarPath(info.absolutePath(), info.completeBaseName()));
  return target;
}

void RemoveOldSetAside(const QString& folder, const QDateTime& now) {
  const QDir aside(SetAsideFolder(folder));
  for (const QFileInfo& file :
       aside.entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files)) {
    if (file.lastModified().daysTo(now) > kSetAsideDays) QFile::remove(file.absoluteFilePath());
  }
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
  const QFileInfo info(copy.dataPath);
  QFile::remove(copy.dataPath);
  QFile::remove(SidecarPath(info.absolutePath(), info.completeBaseName()));
}

qint64 RecoveryDelayMs(const std::optional<QDateTime>& lastWritten, const QDateTime& now) {
  constexpr qint64 kSettle = 3'000;
  constexpr qint64 kInterval = 60'000;
  if (!lastWritten) return kSettle;
  return std::max(kSettle, kInterval - lastWritten->msecsTo(now));
}

RecoveryWriter::RecoveryWriter(QString folder)
    : folder_(std::move(folder)), worker_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void RecoveryWriter::Write(Document snapshot, const QString& originalPath, const QString& key,
                           const QDateTime& when) {
  {
    const std::lock_guard lock(mutex_);
    std::erase_if(pending_, [&key](const Job& job) { return job.key == key; });
    pending_.push_back(Job{std::move(snapshot), originalPath, key, when});
  }
  wake_.notify_all();
}

void RecoveryWriter::Flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_.empty() && !busy_; });
}

void RecoveryWriter::Remove(const QString& key) {
  std::unique_lock lock(mutex_);
  std::erase_if(pending_, [&key](const Job& job) { return job.key == key; });
  idle_.wait(lock, [this] { return !busy_; });
  // Still under the lock: the worker cannot bring the copy back in between.
  QFile::remove(CopyPath(folder_, key));
  QFile::remove(SidecarPath(folder_, key));
}

QString RecoveryWriter::LastError() const {
  const std::lock_guard lock(mutex_);
  return lastError_;
}

void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || !pending_.empty(); });
    if (pending_.empty()) return;
    const Job job = std::move(pending_.front());
    pending_.erase(pending_.begin());
    busy_ = true;
    lock.unlock();
    QString error;
    try {
      WriteJob(job);
    } catch (const FileError& e) {
      error = e.Message();
    } catch (const std::exception& e) {
      error = QString::fromLocal8Bit(e.what());
    }
    lock.lock();
    busy_ = false;
    lastError_ = error;
    idle_.notify_all();
  }
}

void RecoveryWriter::WriteJob(const Job& job) {
  MakePrivateFolder(folder_);
  // The copy first: a sidecar never names a copy that is not there yet.
  WriteFileAtomically(CopyPath(folder_, job.key), SerializeDocument(job.doc));
  WriteFileAtomically(SidecarPath(folder_, job.key), SidecarText(job.originalPath, job.when));
}
