// The rename and delete commands driven through the real window: what each message box says and
// shows, what the registry holds afterwards (exactly the intended change and nothing else), and
// the list once the message has been dismissed.
#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"
#include "app/texts.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/poll.h"
#include "tests/e2e/varenkel_fixture.h"

namespace {

// 本地连接 办公室 "local connection office"
const char kNewName[] = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 \xB0\xEC\xB9\xAB\xCA\xD2";

struct CommandCase {
  const char* name;
  int button;
  const char* chosen;                     // the item chosen before the click (GBK)
  const char* typed;                      // typed into the edit box after choosing; null: nothing
  void (*behind_the_programs_back)();     // a registry change after the list was read; may be null
  std::string message;
  MessageIcon icon;
  void (*intended_change)(RegistrySnapshot&);  // applied to the registry as it was at the click; may be null
  bool refreshes;
  std::vector<std::string> listed_after;  // when the list is rebuilt
};

const std::string& KeyOf(const char* name) { return SampleNamed(name).key; }
std::string ConnectionOf(const char* name) { return ConnectionSubkeyPath(SampleNamed(name)); }

const CommandCase kCommandCases[] = {
    {"RenameSucceeds", 按钮_修改, kSecondLocalName, kNewName, nullptr, kRenameSucceeded, MessageIcon::Information,
     [](RegistrySnapshot& registry) { registry[ConnectionOf(kSecondLocalName)]["Name"] = NameValueOf(kNewName); },
     true, {kNewName, kDefaultLocalName, kDefaultWirelessName, kSecondWirelessName}},
    {"RenameFailsWhenTheConnectionKeyHasGone", 按钮_修改, kSecondLocalName, kNewName,
     [] { ASSERT_TRUE(DeleteKeyBelowClassKey(ConnectionOf(kSecondLocalName))); }, kRenameFailed, MessageIcon::Error,
     nullptr, true, {kDefaultLocalName, kDefaultWirelessName, kSecondWirelessName}},
    {"DeleteSucceeds", 按钮_删除, kSecondWirelessName, nullptr, nullptr, kDeleteSucceeded, MessageIcon::Information,
     [](RegistrySnapshot& registry) {
       registry.erase(ConnectionOf(kSecondWirelessName));
       registry.erase(KeyOf(kSecondWirelessName));
     },
     true, {kSecondLocalName, kDefaultLocalName, kDefaultWirelessName}},
    {"DeleteLeavesAConnectionKeyWithAnotherSubkey", 按钮_删除, kSecondWirelessName, nullptr,
     [] { CreateKeyBelowClassKey(KeyOf(kSecondWirelessName) + "\\Ndi"); }, kDeleteFailed, MessageIcon::Information,
     [](RegistrySnapshot& registry) { registry.erase(ConnectionOf(kSecondWirelessName)); }, true,
     {kSecondLocalName, kDefaultLocalName, kDefaultWirelessName}},
    {"RenameRefusesTheDefaultLocalName", 按钮_修改, kDefaultLocalName, kNewName, nullptr,
     std::string(kRefuseRenameLead) + kDefaultLocalName + kRefuseTail, MessageIcon::Error, nullptr, false, {}},
    {"DeleteRefusesTheDefaultWirelessName", 按钮_删除, kDefaultWirelessName, nullptr, nullptr,
     std::string(kRefuseDeleteLead) + kDefaultWirelessName + kRefuseTail, MessageIcon::Error, nullptr, false, {}},
};

void PrintTo(const CommandCase& row, std::ostream* out) { *out << row.name; }

class CommandTest : public VarenkelTest, public ::testing::WithParamInterface<CommandCase> {};

int PositionOf(const std::vector<ComboItem>& items, const std::string& text) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].text == text) return static_cast<int>(i);
  return -1;
}

TEST_P(CommandTest, ShowsItsOutcomeChangesExactlyTheIntendedKeysAndRefreshes) {
  const CommandCase& row = GetParam();
  SCOPED_TRACE(row.name);
  HWND window = program_.window, combo = Control(组合框), edit = Control(编辑框);
  const std::vector<ComboItem> items_before = ComboItems(combo);
  int chosen = PositionOf(items_before, row.chosen);
  ASSERT_GE(chosen, 0);
  ChooseComboItem(combo, chosen);
  ASSERT_TRUE(PollUntil([&] { return WindowText(edit) == row.chosen; }));
  if (row.typed != nullptr) TypeText(edit, row.typed);
  const std::string edit_before = WindowText(edit);
  if (row.behind_the_programs_back != nullptr) row.behind_the_programs_back();
  ASSERT_FALSE(HasFatalFailure());
  RegistrySnapshot expected = SnapshotClassKey();
  if (row.intended_change != nullptr) row.intended_change(expected);

  ClickButton(Control(row.button));
  std::optional<ShownMessage> shown = WaitForMessageBox(program_.process.dwProcessId);
  ASSERT_TRUE(shown.has_value()) << "no message box appeared";
  EXPECT_EQ(shown->title, kMessageTitle);
  EXPECT_EQ(shown->text, row.message);
  EXPECT_STREQ(NameOf(shown->icon), NameOf(row.icon));
  EXPECT_EQ(shown->owner, nullptr) << "the message box has no owner window";
  EXPECT_FALSE(IsWindowEnabled(window)) << "the main window takes no input while the message is shown";
  EXPECT_EQ(SnapshotClassKey(), expected) << "the registry while the message is shown";

  ASSERT_TRUE(DismissMessageBox(shown->box)) << "the message box did not close on OK";
  if (row.refreshes) {
    const std::vector<ComboItem> rebuilt = ItemsNamed(row.listed_after, static_cast<LRESULT>(items_before.size()) + 1);
    PollUntil([&] {
      return ComboItems(combo) == rebuilt && ComboSelection(combo) == 0 && WindowText(edit) == rebuilt.front().text;
    });
    EXPECT_EQ(ComboItems(combo), rebuilt) << "item values go on after those of the first refresh";
    EXPECT_EQ(ComboSelection(combo), 0);
    EXPECT_EQ(WindowText(edit), rebuilt.front().text);
  } else {
    ASSERT_TRUE(PollUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    SendToWindow(window, WM_NULL, 0, 0);  // whatever ran after the message has at least begun
    EXPECT_EQ(ComboItems(combo), items_before) << "a refusal does not rebuild the list";
    EXPECT_EQ(ComboSelection(combo), chosen);
    EXPECT_EQ(WindowText(edit), edit_before) << "a refusal keeps the typed text";
  }
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_EQ(SnapshotClassKey(), expected) << "the registry after the message";
}

std::string CaseName(const ::testing::TestParamInfo<CommandCase>& param_info) { return param_info.param.name; }

INSTANTIATE_TEST_SUITE_P(Commands, CommandTest, ::testing::ValuesIn(kCommandCases), CaseName);

// A renamed Name as RegQueryValueExA gives it back: the new bytes and exactly one NUL, which
// makes an empty name the empty string rather than a value without data. The empty name matters:
// Wine's RegSetValueExA quietly counts a NUL that happens to follow REG_SZ data in memory, so a
// longer name can come out terminated even when the program leaves the NUL out.
using RenameTest = VarenkelTest;

TEST_F(RenameTest, StoresTheNewNameWithExactlyOneTerminatingNul) {
  struct NewName {
    const char* name;
    const char* renamed_from;
    const char* new_name;
  };
  const NewName kNewNames[] = {
      {"a longer name", kSecondLocalName, kNewName},
      {"an empty name", kNewName, ""},
  };
  HWND combo = Control(组合框), edit = Control(编辑框);
  for (const NewName& row : kNewNames) {
    SCOPED_TRACE(row.name);
    int chosen = PositionOf(ComboItems(combo), row.renamed_from);
    ASSERT_GE(chosen, 0);
    ChooseComboItem(combo, chosen);
    ASSERT_TRUE(PollUntil([&] { return WindowText(edit) == row.renamed_from; }));
    TypeText(edit, row.new_name);
    ClickButton(Control(按钮_修改));
    std::optional<ShownMessage> shown = WaitForMessageBox(program_.process.dwProcessId);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, kRenameSucceeded);
    ASSERT_TRUE(DismissMessageBox(shown->box));

    std::optional<RegistryValue> stored = ReadValueBelowClassKey(ConnectionOf(kSecondLocalName), "Name");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    size_t length = std::strlen(row.new_name);
    EXPECT_EQ(stored->data.size(), length + 1);
    EXPECT_EQ(stored->data, std::vector<unsigned char>(row.new_name, row.new_name + length + 1));
    ASSERT_TRUE(PollUntil([&] { return ComboSelection(combo) == 0; })) << "the list is rebuilt";
  }
}

}  // namespace
