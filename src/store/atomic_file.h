#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <string_view>

// Writes one chunk and returns how many bytes it took (fewer or -1 on failure).
using ChunkWriter = std::function<qint64(QFile& file, const char* data, qint64 size)>;

// Replaces the file at `path` with `bytes`, or leaves it untouched and throws FileError.
// The bytes go to a temporary file beside it, are flushed to disk and read back before
// the temporary takes the file's place, so a full disk or a short write never leaves a
// cut-off file behind. An existing read-only file is not replaced. `writer` lets tests
// simulate a device that stops taking bytes.
void WriteFileAtomically(const QString& path, std::string_view bytes,
                         const ChunkWriter& writer = {});

// The whole file, or FileError.
std::string ReadWholeFile(const QString& path);
