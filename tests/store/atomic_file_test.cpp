#include "atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <thread>

#include "file_error.h"

namespace {

// Starts saving `bytes` to `path` in a child process and kills it `delay` after the save
// began.
void KilledSave(const QString& path, const std::string& bytes, std::chrono::microseconds delay) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(ready[0]);
    const char go = 1;
    if (write(ready[1], &go, 1) != 1) _exit(2);
    try {
      WriteFileAtomically(path, bytes);
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  close(ready[1]);
  char go = 0;
  ASSERT_EQ(read(ready[0], &go, 1), 1);
  close(ready[0]);
  usleep(static_cast<useconds_t>(delay.count()));
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
}

// A save killed at any moment leaves the old or the new file whole, and at most the one
// temporary of a save killed just before its rename, which the next save clears.
TEST(AtomicFile, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("shop.TLG"));
  const std::string versions[2] = {std::string(3 << 20, 'a'), std::string(2 << 20, 'b')};
  const auto started = std::chrono::steady_clock::now();
  WriteFileAtomically(path, versions[0]);
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - started);

  constexpr int kMoments = 40;
  int replaced = 0;
  int kept = 0;
  for (int k = 0; k < kMoments; ++k) {
    SCOPED_TRACE(k);
    const std::string before = ReadWholeFile(path);
    const std::string& other = before == versions[0] ? versions[1] : versions[0];
    // From the first instant to well past the time a whole save takes.
    KilledSave(path, other, (took * 3 + std::chrono::milliseconds(20)) * k / (kMoments - 1));
    const std::string after = ReadWholeFile(path);
    ASSERT_TRUE(after == before || after == other) << after.size();
    (after == before ? kept : replaced) += 1;
    const QStringList left =
        QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    // The temporary of a save killed just before its rename carries the save's own name.
    const bool oneTemporary = left.size() == 2 &&
                              left[0].startsWith(QStringLiteral(".shop.TLG.saving")) &&
                              left[1] == QStringLiteral("shop.TLG");
    ASSERT_TRUE(left == QStringList{QStringLiteral("shop.TLG")} || oneTemporary)
        << left.join(QLatin1Char(' ')).toStdString();
  }
  EXPECT_GT(kept, 0);
  EXPECT_GT(replaced, 0);
  WriteFileAtomically(path, versions[0]);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList{QStringLiteral("shop.TLG")});
}

}  // namespace

namespace {

// Reading gives the bytes as they are, and a failure names the file and its cause in the
// program's words, whatever the system's language.
TEST(AtomicFile, ReadGivesTheBytesOrSaysWhyInJapanese) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.TLG"));
  std::string bytes(200000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  WriteFileAtomically(file, bytes);
  EXPECT_EQ(ReadWholeFile(file), bytes);

  // A pipe or a device never ends: refused before anything is read, and a pipe nobody
  // writes to does not hang the open.
  const QString pipe = dir.filePath(QStringLiteral("pipe.TLG"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const int writer = open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  const QString device = dir.filePath(QStringLiteral("device.TLG"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));

  const struct {
    QString path;
    const char* says;
  } cases[] = {
      {device, "を開けません。\n通常のファイルではありません。"},
      {pipe, "を開けません。\n通常のファイルではありません。"},
      {dir.filePath(QStringLiteral("none.TLG")), "を開けません。\nファイルが見つかりません。"},
      {dir.path(), "を開けません。\nフォルダはファイルとして開けません。"},
      {file + QStringLiteral("/x"), "を開けません。\nファイルが見つかりません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    try {
      ReadWholeFile(c.path);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      const QString& message = e.Message();
      EXPECT_TRUE(message.startsWith(QStringLiteral("ファイル \"") + c.path + "\" "));
      EXPECT_TRUE(message.endsWith(QString::fromUtf8(c.says))) << e.what();
    }
  }
  close(writer);
}

// Only plain files are replaced: a pipe, or a link to one, stays what it was; a device is
// refused the same way through its link.
TEST(AtomicFile, WritingOverAPipeOrADeviceIsRefused) {
  QTemporaryDir dir;
  const QString pipe = dir.filePath(QStringLiteral("p.TLG"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString toPipe = dir.filePath(QStringLiteral("link.TLG"));
  ASSERT_TRUE(QFile::link(pipe, toPipe));
  const QString toDevice = dir.filePath(QStringLiteral("null.pdf"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toDevice));
  for (const QString& path : {pipe, toPipe, toDevice}) {
    SCOPED_TRACE(path.toStdString());
    try {
      WriteFileAtomically(path, "bytes");
      ADD_FAILURE() << "written";
    } catch (const FileError& e) {
      EXPECT_TRUE(e.Message().endsWith(
          QStringLiteral("を書き込めません。\n通常のファイルではありません。")))
          << e.what();
    }
  }
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// Saves of one file at once each have their own temporary: every one succeeds and the
// file is whole. What killed saves left is cleared by the next save; another live save's
// temporary is not touched.
TEST(AtomicFile, SavesAtOnceNeverCollideAndLeftoversAreCleared) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.TLG"));
  const std::string a(300000, 'a');
  const std::string b(200000, 'b');
  std::atomic<int> failures{0};
  const auto saver = [&](const std::string& bytes) {
    for (int i = 0; i < 40; ++i) {
      try {
        WriteFileAtomically(file, bytes);
      } catch (const FileError& e) {
        ADD_FAILURE() << e.what();
        ++failures;
      }
    }
  };
  std::thread first(saver, a);
  std::thread second(saver, b);
  first.join();
  second.join();
  EXPECT_EQ(failures.load(), 0);
  const std::string saved = ReadWholeFile(file);
  EXPECT_TRUE(saved == a || saved == b);

  const QString host = QSysInfo::machineHostName();
  const auto touch = [&](const QString& name) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  const QString live = QStringLiteral(".shop.TLG.saving.%1.%2.7").arg(host).arg(getpid());
  touch(QStringLiteral(".shop.TLG.saving"));
  touch(QStringLiteral(".shop.TLG.saving.%1.%2.0").arg(host).arg(ended));
  touch(live);
  touch(QStringLiteral(".other.TLG.saving"));
  WriteFileAtomically(file, a);
  const QStringList left =
      QDir(dir.path()).entryList({QStringLiteral(".*saving*")}, QDir::Files | QDir::Hidden);
  EXPECT_EQ(left, (QStringList{".other.TLG.saving", live}));
}

}  // namespace
