// The list of connections in the combo box, and ConnectionKeyList, which ties each item to the
// registry key of its connection.
#pragma once

#include <string>

#include "registry/registry.h"

// Windows keeps one subkey per network connection here, below HKEY_LOCAL_MACHINE.
inline constexpr char kNetworkClassKey[] =
    "SYSTEM\\ControlSet001\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

// Program-wide and append-only: entry n (1-based) is the connection key of every combo box item
// whose item value is n. Exists from CreateConnectionKeyList to ReleaseConnectionKeyList.
extern TextList* ConnectionKeyList;

void CreateConnectionKeyList();
void ReleaseConnectionKeyList();

// 1-based byte position of the first match of `term` in `text` that starts on a character
// boundary, or -1. A byte of 0x80 or above starts a two-byte character.
int FindSubtext(const std::string& text, const std::string& term);

// Rebuilds the combo box from the registry, selects the first item and copies it into the edit box.
void RefreshConnectionList();
