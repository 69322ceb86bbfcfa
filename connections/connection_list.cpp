#include "connections/connection_list.h"

#include <cstring>
#include <new>

#include "app/main_window.h"
#include "app/texts.h"
#include "toolkit/toolkit.h"

TextList* ConnectionKeyList = nullptr;

void CreateConnectionKeyList() {
  ConnectionKeyList = new (std::nothrow) TextList;
  if (ConnectionKeyList == nullptr) FatalStop(kOutOfMemory);
}

void ReleaseConnectionKeyList() {
  delete ConnectionKeyList;
  ConnectionKeyList = nullptr;
}

int FindSubtext(const std::string& text, const std::string& term) {
  size_t remaining = text.size();
  size_t pos = 0;
  while (remaining >= term.size()) {
    if (text.compare(pos, term.size(), term) == 0) return static_cast<int>(pos) + 1;
    if (static_cast<unsigned char>(text[pos]) >= 0x80) {
      if (pos + 1 == text.size()) return -1;  // a lead byte with nothing after it
      pos += 2;
      remaining -= 2;
    } else {
      pos += 1;
      remaining -= 1;
    }
  }
  return -1;
}

namespace {

bool IsListed(const std::string& name) {
  return FindSubtext(name, kTermLocal) != -1 || FindSubtext(name, kTermWireless) != -1;
}

}  // namespace

void RefreshConnectionList() {
  TextList subkeys;
  ComboRemoveAllItems(组合框);  // before the enumeration lets events run, so no stale item is clicked
  RegistryEnumSubkeys(kRootLocalMachine, kNetworkClassKey, subkeys);
  for (const std::string& key : subkeys) {
    std::string name = RegistryReadText(kRootLocalMachine, std::string(kNetworkClassKey) + "\\" + key + "\\Connection",
                                        "Name");
    if (!IsListed(name)) continue;
    ConnectionKeyList->push_back(key);
    ComboAddItem(组合框, name, static_cast<int32_t>(ConnectionKeyList->size()));
  }
  ComboSetCurrentSelection(组合框, 0);
  SetEditText(编辑框, ComboItemText(组合框, ComboCurrentSelection(组合框)));
}
