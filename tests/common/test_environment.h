#pragma once

// Every test process runs headless and keeps its configuration in a folder of its own,
// so tests never touch the user's real configuration and never see each other's.
void PrepareTestEnvironment();
