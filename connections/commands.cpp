#include "connections/commands.h"

#include <string>

#include "app/main_window.h"
#include "app/texts.h"
#include "connections/connection_list.h"
#include "registry/registry.h"
#include "toolkit/toolkit.h"

namespace {

struct SelectedConnection {
  bool exists;
  std::string name;  // the item's text, as listed at the last refresh
  std::string key;   // its connection key
};

// The selected item and its connection key; `exists` is false when no item is selected or its
// item value is not a position in ConnectionKeyList, so nothing is read outside the list.
SelectedConnection ReadSelectedConnection() {
  int position = ComboCurrentSelection(组合框);
  int32_t item_value = ComboItemValue(组合框, position);
  if (position < 0 || item_value < 1 || static_cast<size_t>(item_value) > ConnectionKeyList->size())
    return {false, "", ""};
  return {true, ComboItemText(组合框, position), (*ConnectionKeyList)[item_value - 1]};
}

bool IsDefaultName(const std::string& name) { return name == kDefaultWirelessName || name == kDefaultLocalName; }

std::string ConnectionKeyPath(const std::string& key) { return std::string(kNetworkClassKey) + "\\" + key; }

}  // namespace

void RenameSelectedConnection() {
  SelectedConnection selected = ReadSelectedConnection();
  if (!selected.exists) return;  // e.g. a click while a refresh has emptied the list
  if (IsDefaultName(selected.name)) {
    ShowMessage(kRefuseRenameLead + selected.name + kRefuseTail, kIconError, kMessageTitle);
    return;
  }
  std::string new_name = EditText(编辑框);
  Bytes data(new_name.begin(), new_name.end());
  data.push_back(0);  // a REG_SZ value carries its terminating NUL
  if (RegistryWriteValue(kRootLocalMachine, ConnectionKeyPath(selected.key) + "\\Connection\\", "Name", kTypeText,
                         data))
    ShowMessage(kRenameSucceeded, kIconInformation, kMessageTitle);
  else
    ShowMessage(kRenameFailed, kIconError, kMessageTitle);
  RefreshConnectionList();
}

void DeleteSelectedConnection() {
  SelectedConnection selected = ReadSelectedConnection();
  if (!selected.exists) return;
  if (IsDefaultName(selected.name)) {
    ShowMessage(kRefuseDeleteLead + selected.name + kRefuseTail, kIconError, kMessageTitle);
    return;
  }
  if (RegistryDeleteKey(kRootLocalMachine, ConnectionKeyPath(selected.key) + "\\Connection\\")) {
    // Deleting the connection key fails while it still has other subkeys; the Connection
    // subkey stays deleted all the same, and the failure is shown with the information icon.
    bool deleted = RegistryDeleteKey(kRootLocalMachine, ConnectionKeyPath(selected.key));
    ShowMessage(deleted ? kDeleteSucceeded : kDeleteFailed, kIconInformation, kMessageTitle);
  }
  RefreshConnectionList();
}
