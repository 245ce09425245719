#pragma once

#include <sys/types.h>

#include <QString>
#include <functional>
#include <string>
#include <string_view>

// Writes one chunk to the open file and returns how many bytes it took (fewer, or -1 with
// errno set, on failure), as write(2) does.
using ChunkWriter = std::function<ssize_t(int fd, const char* data, size_t size)>;

// Replaces the file at `path` with `bytes`, or leaves it untouched and throws FileError.
// The bytes go to a temporary file beside it, are flushed to disk and read back before
// the temporary takes the file's place, so a full disk or a short write never leaves a
// cut-off file behind. A symbolic link is followed: the link stays and the file it points
// at is replaced. An existing read-only file is not replaced. Every failure names `path`
// and its cause. `writer` lets tests simulate a device that stops taking bytes.
void WriteFileAtomically(const QString& path, std::string_view bytes,
                         const ChunkWriter& writer = {});

// The whole file, or FileError.
std::string ReadWholeFile(const QString& path);
// At most the first `limit` bytes of the file, with the same checks and errors.
std::string ReadFileStart(const QString& path, size_t limit);

// The absolute path of the file a chain of symbolic links ends at (`path` itself, made
// absolute, when it is no link), or FileError naming `path` when the chain loops.
QString ResolveLinks(const QString& path);
