#pragma once

#include <QString>
#include <string>

// The CP932 bytes of a window's text for the document. The text edits refuse what CP932
// cannot hold, so everything encodes; should anything slip through, that character is
// left out rather than stored as "?".
std::string TextBytes(const QString& text);
