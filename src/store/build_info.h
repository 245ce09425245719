#pragma once

#include <string>

// The program's version and the day it was built, from the build; the version window and
// tenpo-cli --version both show this one text: "1.0.0 (2026-12-09)".
std::string VersionText();
