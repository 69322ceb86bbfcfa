// The rename and delete commands on the substitute registry: each case compares the whole
// registry before and after, so anything touched besides the intended keys shows.
#include "app/texts.h"
#include "connections/commands.h"
#include "tests/native/connection_fixture.h"

namespace {

const std::string kLocal = kDefaultLocalName;        // 本地连接
const std::string kWireless = kDefaultWirelessName;  // 无线网络连接
const std::string kLocal2 = kLocal + " 2";           // 本地连接 2: only begins with a default name
const std::string kMyWireless = "My " + std::string(kTermWireless);
const std::string kOffice = "\xB0\xEC\xB9\xAB\xCA\xD2 " + std::string(kTermLocal);  // 办公室 本地

std::string KeyEntry(const std::string& key) { return "HKLM\\" + ConnectionPath(key); }
std::string NameEntry(const std::string& key) { return KeyEntry(key) + "\\Connection : Name"; }
SubstituteValue StoredName(const std::string& name) {
  std::vector<unsigned char> data(name.begin(), name.end());
  data.push_back(0);
  return {1, data};
}

using Change = void (*)(RegistrySnapshot&);

struct CommandCase {
  const char* name;
  int selected;         // combo box position chosen before the click
  std::string typed;    // edit box text at the click
  void (*prepare)();    // what changed in the registry since the last refresh
  ControlId button;
  std::vector<std::string> messages;  // "flags:text", title always 提示
  Change change;        // the intended change to the registry
  bool refreshed;
};

void Unchanged(RegistrySnapshot&) {}
void NoPreparation() {}

const std::vector<CommandCase>& Cases() {
  static const std::vector<CommandCase> cases = {
      {"rename refuses the default local name", 0, "new", NoPreparation, 按钮_修改,
       {"16:" + std::string(kRefuseRenameLead) + kLocal + kRefuseTail}, Unchanged, false},
      {"rename refuses the default wireless name", 1, "new", NoPreparation, 按钮_修改,
       {"16:" + std::string(kRefuseRenameLead) + kWireless + kRefuseTail}, Unchanged, false},
      {"delete refuses the default local name", 0, "new", NoPreparation, 按钮_删除,
       {"16:" + std::string(kRefuseDeleteLead) + kLocal + kRefuseTail}, Unchanged, false},
      {"delete refuses the default wireless name", 1, "new", NoPreparation, 按钮_删除,
       {"16:" + std::string(kRefuseDeleteLead) + kWireless + kRefuseTail}, Unchanged, false},
      {"rename writes the new name with its terminator", 2, kOffice, NoPreparation, 按钮_修改,
       {"64:" + std::string(kRenameSucceeded)}, [](RegistrySnapshot& r) { r[NameEntry("{c2}")] = StoredName(kOffice); },
       true},
      {"rename with an empty edit box writes the empty string", 2, "", NoPreparation, 按钮_修改,
       {"64:" + std::string(kRenameSucceeded)}, [](RegistrySnapshot& r) { r[NameEntry("{c2}")] = StoredName(""); },
       true},
      {"rename fails when the Connection key has gone",
       2, "new",
       [] { SubstituteDeleteTree(kRootLocalMachine, ConnectionPath("{c2}") + "\\Connection"); }, 按钮_修改,
       {"16:" + std::string(kRenameFailed)}, Unchanged, true},
      {"rename fails when the write is refused", 3, "new", [] { SubstituteFaultsInForce().refuse_writes = true; },
       按钮_修改, {"16:" + std::string(kRenameFailed)}, Unchanged, true},
      {"delete removes the Connection key, then the connection key", 2, "", NoPreparation, 按钮_删除,
       {"64:" + std::string(kDeleteSucceeded)},
       [](RegistrySnapshot& r) {
         r.erase(KeyEntry("{c2}"));
         r.erase(KeyEntry("{c2}") + "\\Connection");
         r.erase(NameEntry("{c2}"));
       },
       true},
      {"delete shows nothing when the Connection key has gone",
       2, "",
       [] { SubstituteDeleteTree(kRootLocalMachine, ConnectionPath("{c2}") + "\\Connection"); }, 按钮_删除, {},
       Unchanged, true},
      {"delete shows nothing when the first deletion is refused", 2, "",
       [] { SubstituteFaultsInForce().refuse_deletes = true; }, 按钮_删除, {}, Unchanged, true},
      {"delete keeps the connection key that has another subkey",
       3, "", [] { SubstituteCreateKey(kRootLocalMachine, ConnectionPath("{d3}") + "\\Extra"); }, 按钮_删除,
       {"64:" + std::string(kDeleteFailed)},
       [](RegistrySnapshot& r) {
         r.erase(KeyEntry("{d3}") + "\\Connection");
         r.erase(NameEntry("{d3}"));
       },
       true},
  };
  return cases;
}

struct CommandsTest : ConnectionFixture {
  void SetUp() override {
    ConnectionFixture::SetUp();
    SeedConnection("{A0}", kLocal);
    SeedConnection("{b1}", kWireless);
    SeedConnection("{c2}", kLocal2);
    SeedConnection("{d3}", kMyWireless);
    SeedConnection("{e4}", "Ethernet");
    Start();
  }
};

std::vector<std::string> MessagesShown() {
  std::vector<std::string> shown;
  for (const ShownMessage& message : HeadlessMessages()) {
    EXPECT_EQ(message.title, kMessageTitle);
    shown.push_back(std::to_string(message.icon_flags) + ":" + message.text);
  }
  return shown;
}

TEST_F(CommandsTest, Cases) {
  for (const CommandCase& row : Cases()) {
    SCOPED_TRACE(row.name);
    TearDown();
    SetUp();
    ComboSetCurrentSelection(组合框, row.selected);
    HeadlessType(编辑框, row.typed);
    row.prepare();
    RegistrySnapshot expected = SubstituteSnapshot();
    row.change(expected);
    size_t entries_before = ConnectionKeyList->size();
    bool refreshed_before_message = false;
    HeadlessOnMessageShown([&](const ShownMessage&) { refreshed_before_message = ConnectionKeyList->size() != entries_before; });

    HeadlessClick(row.button);

    EXPECT_EQ(MessagesShown(), row.messages);
    EXPECT_FALSE(refreshed_before_message) << "the list is rebuilt only after the message was dismissed";
    EXPECT_EQ(SubstituteSnapshot(), expected);
    if (row.refreshed) {
      EXPECT_GT(ConnectionKeyList->size(), entries_before);
      EXPECT_EQ(ComboCurrentSelection(组合框), 0);
      EXPECT_EQ(EditText(编辑框), ComboItemText(组合框, 0));
    } else {
      EXPECT_EQ(ConnectionKeyList->size(), entries_before);
      EXPECT_EQ(ComboCurrentSelection(组合框), row.selected);
      EXPECT_EQ(EditText(编辑框), row.typed) << "typed text is kept";
    }
  }
}

TEST_F(CommandsTest, RenamedAwayFromBothTermsIsNoLongerListed) {
  ComboSetCurrentSelection(组合框, 2);
  HeadlessType(编辑框, "Office");
  HeadlessClick(按钮_修改);
  EXPECT_EQ(ComboItems(), (std::vector<ComboItem>{{kLocal, 5}, {kWireless, 6}, {kMyWireless, 7}}));
}

TEST_F(CommandsTest, ConnectionRenamedToADefaultNameIsProtectedAfterwards) {
  ComboSetCurrentSelection(组合框, 3);  // My 无线
  HeadlessType(编辑框, kLocal);
  HeadlessClick(按钮_修改);
  ASSERT_EQ(ComboItemText(组合框, 3), kLocal);
  ComboSetCurrentSelection(组合框, 3);
  HeadlessClick(按钮_删除);
  EXPECT_EQ(HeadlessMessages().back().text, kRefuseDeleteLead + kLocal + kRefuseTail);
  EXPECT_TRUE(SubstituteKeyExists(kRootLocalMachine, ConnectionPath("{d3}") + "\\Connection"));
}

TEST_F(CommandsTest, WithoutASelectionNeitherCommandDoesAnything) {
  RegistrySnapshot before = SubstituteSnapshot();
  size_t entries_before = ConnectionKeyList->size();
  ComboSetCurrentSelection(组合框, -1);
  HeadlessClick(按钮_修改);
  HeadlessClick(按钮_删除);
  EXPECT_TRUE(HeadlessMessages().empty());
  EXPECT_EQ(SubstituteSnapshot(), before);
  EXPECT_EQ(ConnectionKeyList->size(), entries_before);
}

TEST_F(CommandsTest, ClicksDuringARefreshTouchNothingAndFillTheListOnce) {
  RegistrySnapshot before = SubstituteSnapshot();
  HeadlessPostEvent([] { HeadlessClick(按钮_删除); });
  HeadlessPostEvent([] { HeadlessClick(按钮_修改); });
  RefreshConnectionList();
  EXPECT_TRUE(HeadlessMessages().empty());
  EXPECT_EQ(SubstituteSnapshot(), before);
  EXPECT_EQ(ComboItems(), (std::vector<ComboItem>{{kLocal, 5}, {kWireless, 6}, {kLocal2, 7}, {kMyWireless, 8}}));
}

TEST_F(CommandsTest, StaleItemValueOutsideTheListIsNotRead) {
  // An item whose value is not a position in ConnectionKeyList (it cannot arise from a refresh).
  ComboRemoveAllItems(组合框);
  ComboAddItem(组合框, kLocal2, 99);
  ComboAddItem(组合框, kLocal2, 0);
  RegistrySnapshot before = SubstituteSnapshot();
  for (int position : {0, 1}) {
    ComboSetCurrentSelection(组合框, position);
    HeadlessClick(按钮_删除);
    HeadlessClick(按钮_修改);
  }
  EXPECT_TRUE(HeadlessMessages().empty());
  EXPECT_EQ(SubstituteSnapshot(), before);
}

}  // namespace
