#include "connections/connection_list.h"

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
