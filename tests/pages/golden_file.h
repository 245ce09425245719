#pragma once

#include <QString>

// Compares `actual` with tests/pages/golden/NAME. With TENPO_UPDATE_GOLDEN=1 in the
// environment the file is rewritten instead (review the diff before committing it).
void ExpectGolden(const QString& name, const QString& actual);
