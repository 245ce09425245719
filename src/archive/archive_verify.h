#pragma once

#include <QString>

#include <functional>

// What checking every kept file against its entry and the whole chain found.
struct ArchiveCheck {
  bool intact = true;
  int entries = 0;
  int brokenEntry = 0;  // the first entry found changed, removed or pointing at a changed file
  QString message;  // "改ざんは見つかりませんでした。（N 件）" or what was found
  bool cancelled = false;  // stopped through its progress before the end
};

// Told after each file checked, with the files done and the count; false stops.
using VerifyProgress = std::function<bool(int done, int count)>;

// Re-hashes every file the index names, follows the chain from the first entry to the
// last, and looks for PDFs that no entry names. Throws ArchiveError when the index
// cannot be read at all.
ArchiveCheck VerifyArchive(const QString& folder, const VerifyProgress& progress = {});
