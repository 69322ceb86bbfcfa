// The floor under RefreshConnectionList: the registry calls it makes for every subkey of the class
// key, with nothing of the program around them. Run in the driver's own process.
#pragma once

enum class RawLoop {
  Bare,              // RegEnumKeyA, then RegOpenKeyA / two RegQueryValueExA / RegCloseKey per subkey
  ProcessingEvents,  // the same, then every pending window message processed, as the program must
};

// Dispatches every window message that is waiting, as the program does between subkeys.
void ProcessPendingMessages();

// Reads the Name of every connection below the class key; returns how many were read.
int ReadEveryName(RawLoop loop);
