// Random user sessions on random registries, each step checked against a reference that is
// computed from the registry itself, not from the program's code: the combo box shows exactly the
// listed names in enumeration order, each item value leads to its own connection key, the registry
// changes exactly as intended, every message is the right one, and no key stays open.
//
// VARENKEL_MODEL_SESSIONS (default 300) and VARENKEL_MODEL_SEED (default 1) set the budget; a
// failure prints its seed and the shortest action sequence that still fails.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

#include "app/texts.h"
#include "connections/commands.h"
#include "tests/native/connection_fixture.h"
#include "tests/reference/find_subtext_reference.h"

namespace {

constexpr uint32_t kRegSz = 1, kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7;

// --- The reference ------------------------------------------------------------------------

bool ContainsAtCharacterStart(const std::string& text, const std::string& term) {
  return FindAtCharacterStart(text, term) != -1;
}

std::string ClassPath() { return kNetworkClassKey; }
std::string ConnectionSubkey(const std::string& key) { return ClassPath() + "\\" + key + "\\Connection"; }
std::string SnapshotKey(const std::string& path) { return "HKLM\\" + path; }

struct Listed {
  std::string text;
  std::string key;
};

struct Faults {
  int enum_fails_at = -1;
  bool refuse_writes = false;
  bool refuse_deletes = false;
  bool refuse_items = false;
};

// The connection keys a refresh gets to see, in the registry's order.
std::vector<std::string> EnumeratedKeys(const Faults& faults) {
  std::vector<std::string> seen;
  for (const std::string& key : SubstituteSubkeyNames(kRootLocalMachine, ClassPath())) {
    if (faults.enum_fails_at >= 0 && static_cast<int>(seen.size()) >= faults.enum_fails_at) break;
    if (key.size() + 1 > 256) break;  // does not fit the name buffer: the enumeration ends there
    seen.push_back(key);
  }
  return seen;
}

// What a refresh should list, read off the registry as it is.
std::vector<Listed> ExpectedListing(const Faults& faults) {
  std::vector<Listed> listed;
  for (const std::string& key : EnumeratedKeys(faults)) {
    const SubstituteValue* value = SubstituteFindValue(kRootLocalMachine, ConnectionSubkey(key), "Name");
    if (value == nullptr) continue;
    std::string text(value->data.begin(), value->data.end());
    text = text.substr(0, text.find('\0'));
    if (ContainsAtCharacterStart(text, kTermLocal) || ContainsAtCharacterStart(text, kTermWireless))
      listed.push_back({text, key});
  }
  return listed;
}

// --- Random registries --------------------------------------------------------------------

using Random = std::mt19937;

int Below(Random& random, int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

std::string RandomText(Random& random, int pieces) {
  static const std::vector<std::string> kPieces = {
      kTermLocal, kTermWireless, kDefaultLocalName, kDefaultWirelessName, "\xC1\xAC\xBD\xD3",  // 连接
      "\xB1\xBE", "\xBE\xB5\xD8", " ", "2", "a", "Z", "WLAN", "\x81\x5C",                        // 乗: trail byte '\'
      "\x81", "\x80", "\xFF", "\xC4", std::string("\0", 1)};
  std::string text;
  for (int i = 0; i < pieces; ++i) text += kPieces[Below(random, static_cast<int>(kPieces.size()))];
  return text;
}

std::string RandomKeyName(Random& random) {
  switch (Below(random, 6)) {
    case 0:
    case 1:
    case 2: {  // GUID-like, in either case
      const char* digits = Below(random, 2) ? "0123456789ABCDEF" : "0123456789abcdef";
      std::string name = "{";
      for (int i = 0; i < 36; ++i) name += (i == 8 || i == 13 || i == 18 || i == 23) ? '-' : digits[Below(random, 16)];
      return name + "}";
    }
    case 3: return Below(random, 2) ? "Descriptions" : "DESCRIPTIONS";  // the same key twice
    case 4: {
      std::string name = RandomText(random, 1 + Below(random, 4));
      name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
      return name.empty() ? "x" : name;
    }
    default: {  // long names, some longer than the name buffer
      std::string name(static_cast<size_t>(200 + Below(random, 100)), 'k');
      return name;
    }
  }
}

SubstituteValue RandomName(Random& random) {
  std::string text = RandomText(random, Below(random, 5));
  std::vector<unsigned char> data(text.begin(), text.end());
  switch (Below(random, 8)) {
    case 0: return {kRegSz, data};                   // without a terminator
    case 1: data.push_back(0); return {kRegMultiSz, data};
    case 2: return {kRegBinary, data};
    case 3: return {kRegDword, {0xB1, 0xBE, 0xB5, 0xD8}};
    case 4: {  // 64 KiB
      std::string long_name = text + std::string(65536, 'n');
      return {kRegSz, std::vector<unsigned char>(long_name.begin(), long_name.end())};
    }
    default: data.push_back(0); return {kRegSz, data};
  }
}

Faults SeedRegistry(Random& random) {
  SubstituteCreateKey(kRootLocalMachine, ClassPath());
  int connections = Below(random, 10);
  for (int i = 0; i < connections; ++i) {
    std::string key = ClassPath() + "\\" + RandomKeyName(random);
    int shape = Below(random, 10);
    if (shape == 0) {
      SubstituteCreateKey(kRootLocalMachine, key);  // no Connection
    } else if (shape == 1) {
      SubstituteCreateKey(kRootLocalMachine, key + "\\Connection");  // no Name
    } else {
      SubstituteValue name = RandomName(random);
      SubstituteSetValue(kRootLocalMachine, key + "\\Connection", "Name", name.type, name.data);
      SubstituteSetValue(kRootLocalMachine, key + "\\Connection", "PnpInstanceID", kRegSz, {'P', 'C', 'I', 0});
    }
    if (Below(random, 6) == 0) SubstituteCreateKey(kRootLocalMachine, key + "\\Ndi");
    if (Below(random, 10) == 0) SubstituteCreateKey(kRootLocalMachine, key + "\\Connection\\Extra");
  }
  Faults faults;
  if (Below(random, 8) == 0) faults.enum_fails_at = Below(random, 6);
  faults.refuse_writes = Below(random, 10) == 0;
  faults.refuse_deletes = Below(random, 10) == 0;
  faults.refuse_items = Below(random, 20) == 0;
  return faults;
}

// --- Sessions -----------------------------------------------------------------------------

enum class ActionKind { Choose, Type, Rename, Delete, ClickDuringRefresh, CloseDuringRefresh };

struct Action {
  ActionKind kind;
  int position;      // Choose: taken modulo the number of items
  std::string text;  // Type
  ControlId button;  // ClickDuringRefresh
};

std::string Describe(const Action& action) {
  std::ostringstream out;
  switch (action.kind) {
    case ActionKind::Choose: out << "choose item " << action.position; break;
    case ActionKind::Type: out << "type " << testing::PrintToString(action.text); break;
    case ActionKind::Rename: out << "click modify"; break;
    case ActionKind::Delete: out << "click delete"; break;
    case ActionKind::ClickDuringRefresh:
      out << "click " << (action.button == 按钮_修改 ? "modify" : "delete") << " during a refresh";
      break;
    case ActionKind::CloseDuringRefresh: out << "close the window during a refresh"; break;
  }
  return out.str();
}

std::vector<Action> RandomActions(Random& random) {
  std::vector<Action> actions;
  int count = 1 + Below(random, 25);
  for (int i = 0; i < count; ++i) {
    int roll = Below(random, 100);
    if (roll < 25) actions.push_back({ActionKind::Choose, Below(random, 12), "", 0});
    else if (roll < 45) actions.push_back({ActionKind::Type, 0, RandomText(random, Below(random, 4)), 0});
    else if (roll < 65) actions.push_back({ActionKind::Rename, 0, "", 0});
    else if (roll < 85) actions.push_back({ActionKind::Delete, 0, "", 0});
    else if (roll < 98) actions.push_back({ActionKind::ClickDuringRefresh, 0, "", Below(random, 2) ? 按钮_修改 : 按钮_删除});
    else actions.push_back({ActionKind::CloseDuringRefresh, 0, "", 0});
  }
  return actions;
}

// What the program should show, as the reference follows it.
struct Expected {
  std::vector<Listed> items;
  int selection = -1;
  std::string edit;
  RegistrySnapshot registry;
  std::vector<std::string> messages;
  size_t key_list_size = 0;
  bool window_open = true;
};

std::string Message(unsigned icon, const std::string& text) { return std::to_string(icon) + ":" + text; }

void ExpectRefresh(Expected& expected, const Faults& faults) {
  std::vector<Listed> listed = ExpectedListing(faults);
  expected.key_list_size += listed.size();
  expected.items = faults.refuse_items || !expected.window_open ? std::vector<Listed>{} : listed;
  expected.selection = expected.items.empty() ? -1 : 0;
  expected.edit = expected.items.empty() ? "" : expected.items[0].text;
}

bool IsDefaultName(const std::string& text) { return text == kDefaultLocalName || text == kDefaultWirelessName; }

void EraseKey(RegistrySnapshot& registry, const std::string& path) {
  std::string key = SnapshotKey(path);
  registry.erase(key);
  for (auto entry = registry.lower_bound(key + " : "); entry != registry.end() && entry->first.rfind(key + " : ", 0) == 0;)
    entry = registry.erase(entry);
}

bool HasSubkeys(const std::string& path) { return !SubstituteSubkeyNames(kRootLocalMachine, path).empty(); }

// The registry and messages a command should leave, judged before it runs. True when the command
// goes to the registry, and so ends with a refresh.
bool ExpectCommand(Expected& expected, const Faults& faults, bool rename) {
  if (expected.selection < 0) return false;  // nothing selected: nothing happens
  const Listed& chosen = expected.items[static_cast<size_t>(expected.selection)];
  if (IsDefaultName(chosen.text)) {
    expected.messages.push_back(
        Message(kIconError, (rename ? kRefuseRenameLead : kRefuseDeleteLead) + chosen.text + kRefuseTail));
    return false;
  }
  std::string connection = ConnectionSubkey(chosen.key);
  bool connection_exists = SubstituteKeyExists(kRootLocalMachine, connection);
  if (rename) {
    if (connection_exists && !faults.refuse_writes) {
      std::vector<unsigned char> data(expected.edit.begin(), expected.edit.end());
      data.push_back(0);
      expected.registry[SnapshotKey(connection) + " : Name"] = {kRegSz, data};
      expected.messages.push_back(Message(kIconInformation, kRenameSucceeded));
    } else {
      expected.messages.push_back(Message(kIconError, kRenameFailed));
    }
  } else if (connection_exists && !HasSubkeys(connection) && !faults.refuse_deletes) {
    EraseKey(expected.registry, connection);
    std::string key = ClassPath() + "\\" + chosen.key;
    bool key_has_other_subkeys = SubstituteSubkeyNames(kRootLocalMachine, key).size() > 1;
    if (!key_has_other_subkeys) EraseKey(expected.registry, key);
    expected.messages.push_back(Message(kIconInformation, key_has_other_subkeys ? kDeleteFailed : kDeleteSucceeded));
  }
  return true;
}

struct Session {
  uint32_t seed;
  Faults faults;
  std::vector<Action> actions;
};

Session MakeSession(uint32_t seed) {
  Random random(seed);
  Session session{seed, {}, {}};
  SubstituteReset();
  session.faults = SeedRegistry(random);
  session.actions = RandomActions(random);
  return session;
}

std::string Compare(const Expected& expected) {
  std::ostringstream problems;
  std::vector<ComboItem> items = ComboItems();
  if (items.size() != expected.items.size()) problems << "combo box has " << items.size() << " items, expected " << expected.items.size() << "; ";
  for (size_t i = 0; i < items.size() && i < expected.items.size(); ++i) {
    if (items[i].text != expected.items[i].text) problems << "item " << i << " text differs; ";
    int32_t value = items[i].value;
    if (value < 1 || static_cast<size_t>(value) > ConnectionKeyList->size())
      problems << "item " << i << " value " << value << " is not a position of ConnectionKeyList; ";
    else if ((*ConnectionKeyList)[static_cast<size_t>(value) - 1] != expected.items[i].key)
      problems << "item " << i << " leads to the wrong connection key; ";
  }
  if (ComboCurrentSelection(组合框) != expected.selection) problems << "selection " << ComboCurrentSelection(组合框) << " expected " << expected.selection << "; ";
  if (EditText(编辑框) != expected.edit) problems << "edit box differs; ";
  if (ConnectionKeyList->size() != expected.key_list_size)
    problems << "ConnectionKeyList has " << ConnectionKeyList->size() << " entries, expected " << expected.key_list_size << "; ";
  if (SubstituteSnapshot() != expected.registry) problems << "registry differs from the intended change; ";
  std::vector<std::string> shown;
  for (const ShownMessage& message : HeadlessMessages()) {
    if (message.title != kMessageTitle) problems << "message title differs; ";
    shown.push_back(Message(message.icon_flags, message.text));
  }
  if (shown != expected.messages) problems << "messages differ (" << shown.size() << " shown, " << expected.messages.size() << " expected); ";
  if (SubstituteOpenHandleCount() != 0) problems << SubstituteOpenHandleCount() << " keys left open; ";
  return problems.str();
}

// Runs the session from its seed with the given actions; the first problem, or empty.
std::string RunSession(uint32_t seed, const std::vector<Action>& actions) {
  HeadlessReset();
  Session session = MakeSession(seed);  // the registry of the seed (its own actions are not used)
  const Faults& faults = session.faults;
  ReleaseBindings();
  SubstituteLoaderReset();
  SubstituteFaultsInForce().enum_fails_at = faults.enum_fails_at;
  HeadlessRefuseItems(faults.refuse_items);
  ReleaseConnectionKeyList();
  CreateConnectionKeyList();

  Expected expected;
  expected.registry = SubstituteSnapshot();
  ExpectRefresh(expected, faults);
  LoadWindow(MainWindow);
  std::string problem = Compare(expected);
  if (!problem.empty()) return "after the start: " + problem;
  // Writes and deletes fail only from here on, so that the start is the same in every session.
  SubstituteFaultsInForce().refuse_writes = faults.refuse_writes;
  SubstituteFaultsInForce().refuse_deletes = faults.refuse_deletes;

  for (size_t step = 0; step < actions.size() && expected.window_open; ++step) {
    const Action& action = actions[step];
    switch (action.kind) {
      case ActionKind::Choose:
        if (expected.items.empty()) break;
        expected.selection = action.position % static_cast<int>(expected.items.size());
        expected.edit = expected.items[static_cast<size_t>(expected.selection)].text;
        HeadlessChooseItem(组合框, expected.selection);
        ProcessPendingEvents();
        break;
      case ActionKind::Type:
        expected.edit = action.text.substr(0, action.text.find('\0'));  // an edit box holds a text
        HeadlessType(编辑框, expected.edit);
        break;
      case ActionKind::Rename:
      case ActionKind::Delete: {
        bool rename = action.kind == ActionKind::Rename;
        bool refreshes = ExpectCommand(expected, faults, rename);
        HeadlessClick(rename ? 按钮_修改 : 按钮_删除);
        if (refreshes) ExpectRefresh(expected, faults);
        break;
      }
      case ActionKind::ClickDuringRefresh:
      case ActionKind::CloseDuringRefresh: {
        // The event runs while the refresh enumerates (when there is a subkey to enumerate), while
        // the combo box is empty: a click there finds no selection.
        bool enumerates = !EnumeratedKeys(faults).empty();
        if (action.kind == ActionKind::ClickDuringRefresh) {
          ControlId button = action.button;
          HeadlessPostEvent([button] { HeadlessClick(button); });
        } else {
          HeadlessPostEvent(HeadlessCloseWindow);
          expected.window_open = !enumerates;
        }
        RefreshConnectionList();
        ExpectRefresh(expected, faults);
        if (!enumerates) {
          // Nothing was dispatched during the refresh; let the event run now, as the loop would.
          bool refreshes = action.kind == ActionKind::ClickDuringRefresh &&
                           ExpectCommand(expected, faults, action.button == 按钮_修改);
          ProcessPendingEvents();
          if (refreshes) ExpectRefresh(expected, faults);
          if (action.kind == ActionKind::CloseDuringRefresh) {
            expected.window_open = false;
            expected.items.clear();
            expected.selection = -1;
            expected.edit.clear();
          }
        }
        break;
      }
    }
    problem = Compare(expected);
    if (!problem.empty()) return "after step " + std::to_string(step + 1) + " (" + Describe(action) + "): " + problem;
  }
  return "";
}

// The shortest sequence found by dropping actions one at a time while the failure stays.
std::vector<Action> Shrink(uint32_t seed, std::vector<Action> actions) {
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (size_t i = actions.size(); i-- > 0;) {
      std::vector<Action> shorter = actions;
      shorter.erase(shorter.begin() + static_cast<long>(i));
      if (!RunSession(seed, shorter).empty()) {
        actions = shorter;
        dropped = true;
      }
    }
  }
  return actions;
}

int EnvironmentNumber(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

TEST(ModelBasedSessions, ProgramFollowsTheReference) {
  int sessions = EnvironmentNumber("VARENKEL_MODEL_SESSIONS", 300);
  uint32_t first_seed = static_cast<uint32_t>(EnvironmentNumber("VARENKEL_MODEL_SEED", 1));
  long actions_run = 0, faulty_sessions = 0;
  for (int i = 0; i < sessions; ++i) {
    uint32_t seed = first_seed + static_cast<uint32_t>(i);
    Session session = MakeSession(seed);
    actions_run += static_cast<long>(session.actions.size());
    const Faults& f = session.faults;
    faulty_sessions += f.enum_fails_at >= 0 || f.refuse_writes || f.refuse_deletes || f.refuse_items;
    std::string problem = RunSession(seed, session.actions);
    if (!problem.empty()) {
      std::vector<Action> shortest = Shrink(seed, session.actions);
      std::ostringstream steps;
      for (const Action& action : shortest) steps << "\n  " << Describe(action);
      FAIL() << "seed " << seed << ": " << RunSession(seed, shortest) << "\nshortest sequence:" << steps.str();
    }
  }
  ReleaseConnectionKeyList();
  std::printf("model: %d sessions, %ld actions, %ld sessions with injected faults\n", sessions, actions_run,
              faulty_sessions);
}

}  // namespace
