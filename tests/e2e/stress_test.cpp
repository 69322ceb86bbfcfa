// A class key with thousands of connections, and clicks on both buttons and Esc that arrive while
// a refresh has emptied the list and is still enumerating: the clicks must find nothing to act
// on, the program must end by Esc with exit code 0, and the registry must hold exactly what the
// user's own rename made of it, or what it held before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/texts.h"
#include "tests/e2e/class_key.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/poll.h"
#include "tests/e2e/program_process.h"
#include "tests/e2e/varenkel_fixture.h"

namespace {

constexpr size_t kConnectionCount = 3000;

const char kEthernet[] = "\xD2\xD4\xCC\xAB\xCD\xF8";  // 以太网 "Ethernet": neither term
// 本地 inside two-byte characters (C4 B1 | BE B5 | D8 A1): not listed.
const char kTermAcrossCharacters[] = "\xC4\xB1\xBE\xB5\xD8\xA1";

// About half of them listed, the default names among them now and then, and some subkeys that
// are no connection at all.
std::vector<SampleConnection> ManyConnections() {
  std::vector<SampleConnection> samples;
  for (size_t i = 0; i < kConnectionCount; ++i) {
    char key[40];
    std::snprintf(key, sizeof key, "{%08X-5E1D-4C3A-9B2F-%012zX}", static_cast<unsigned>(i * 2654435761u), i);
    const std::string number = " " + std::to_string(i);
    if (i % 1000 == 999) {
      samples.push_back({key, false, "", false});
    } else if (i % 1000 == 7) {
      samples.push_back({key, true, kDefaultLocalName, true});
    } else if (i % 1000 == 507) {
      samples.push_back({key, true, kDefaultWirelessName, true});
    } else {
      switch (i % 4) {
        case 0: samples.push_back({key, true, kDefaultLocalName + number, true}); break;
        case 1: samples.push_back({key, true, kEthernet + number, false}); break;
        case 2: samples.push_back({key, true, "Wi-Fi " + (kDefaultWirelessName + number), true}); break;
        default: samples.push_back({key, true, kTermAcrossCharacters + number, false}); break;
      }
    }
  }
  return samples;
}

// What an impatient user's clicks and Esc become: messages that wait in the program's queue until
// it next looks at it.
void PostClicksAndEscape(HWND window) {
  ClickButton(GetDlgItem(window, 按钮_修改));
  ClickButton(GetDlgItem(window, 按钮_删除));
  PostMessageW(GetDlgItem(window, 编辑框), WM_KEYDOWN, VK_ESCAPE, 0);
}

// How the program ended: its exit code, or why there is none.
::testing::AssertionResult EndedWithExitCodeZero(const RunningProgram& program) {
  std::optional<DWORD> exit_code = WaitForExit(program);
  if (!exit_code.has_value()) {
    bool message_shown = !VisibleTopLevelWindows(program.process.dwProcessId, "#32770").empty();
    return ::testing::AssertionFailure()
           << "the program did not end"
           << (message_shown ? ": it shows a message box, so a click found a filled list"
                             : " and shows no message box: it hangs, or a debugger holds it after a crash");
  }
  if (*exit_code != 0) return ::testing::AssertionFailure() << "exit code 0x" << std::hex << *exit_code;
  return ::testing::AssertionSuccess();
}

// The keys whose values differ between the two, or that only one of them has; a few are enough.
::testing::AssertionResult SameRegistry(const RegistrySnapshot& actual, const RegistrySnapshot& expected) {
  std::vector<std::string> differing;
  for (const auto& [path, values] : expected) {
    auto found = actual.find(path);
    if (found == actual.end()) differing.push_back(path + " is missing");
    else if (found->second != values) differing.push_back(path + " has other values");
  }
  for (const auto& entry : actual)
    if (expected.count(entry.first) == 0) differing.push_back(entry.first + " is new");
  if (differing.empty()) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << differing.size() << " keys differ:";
  for (size_t i = 0; i < differing.size() && i < 5; ++i) failure << "\n  " << differing[i];
  return failure;
}

class StressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ULONGLONG start = GetTickCount64();
    seeded_ = SeedClassKey(samples_);
    before_ = SnapshotClassKey();
    std::printf("seeded %zu connections and took a snapshot in %llu ms\n", samples_.size(), GetTickCount64() - start);
  }
  void TearDown() override {
    StopProgram(program_);
    RemoveSeededKeys(seeded_);
  }

  const std::vector<SampleConnection> samples_ = ManyConnections();
  SeededClassKey seeded_;
  RegistrySnapshot before_;
  RunningProgram program_;
};

TEST_F(StressTest, ClicksAndEscapeDuringTheFirstRefreshFindAnEmptyListAndChangeNothing) {
  ULONGLONG start = GetTickCount64();
  ASSERT_TRUE(LaunchVarenkel(program_));
  // The window exists, still hidden, once its controls do (the combo box comes last); then the
  // first refresh empties the list and starts enumerating.
  HWND window = nullptr;
  ASSERT_TRUE(PollUntil([&] {
    window = MainWindowOf(program_.process.dwProcessId);
    return window != nullptr && GetDlgItem(window, 组合框) != nullptr;
  })) << "no window captioned Varenkel appeared";
  ULONGLONG found = GetTickCount64();
  bool hidden = !IsWindowVisible(window);
  PostClicksAndEscape(window);
  ASSERT_TRUE(hidden) << "the first refresh was over before the clicks were posted";

  EXPECT_TRUE(EndedWithExitCodeZero(program_));
  std::printf("first refresh: window found hidden %llu ms after the start, program ended %llu ms later\n",
              found - start, GetTickCount64() - found);
  EXPECT_TRUE(SameRegistry(SnapshotClassKey(), before_));
}

TEST_F(StressTest, ClicksAndEscapeDuringTheRefreshAfterARenameChangeOnlyThatName) {
  ULONGLONG start = GetTickCount64();
  ASSERT_TRUE(StartVarenkel(program_));
  HWND window = program_.window, combo = GetDlgItem(window, 组合框), edit = GetDlgItem(window, 编辑框);
  const std::vector<ComboItem> listing = FirstListing(samples_);
  ASSERT_GT(listing.size(), kConnectionCount / 3);
  ASSERT_TRUE(ComboItems(combo) == listing) << "the first refresh lists every listed connection in order";
  ULONGLONG listed = GetTickCount64();

  const SampleConnection& renamed = samples_[kConnectionCount / 2];
  ASSERT_TRUE(renamed.listed && renamed.name != kDefaultLocalName && renamed.name != kDefaultWirelessName);
  auto chosen =
      std::find_if(listing.begin(), listing.end(), [&](const ComboItem& item) { return item.text == renamed.name; });
  ASSERT_NE(chosen, listing.end());
  ChooseComboItem(combo, static_cast<int>(chosen - listing.begin()));
  ASSERT_TRUE(PollUntil([&] { return WindowText(edit) == renamed.name; }));
  const std::string new_name = kTermWireless + std::string(" renamed");
  TypeText(edit, new_name);
  RegistrySnapshot expected = before_;
  expected[ConnectionSubkeyPath(renamed)]["Name"] = NameValueOf(new_name);

  ClickButton(GetDlgItem(window, 按钮_修改));
  std::optional<ShownMessage> shown = WaitForMessageBox(program_.process.dwProcessId);
  ASSERT_TRUE(shown.has_value()) << "no message box appeared";
  EXPECT_EQ(shown->text, kRenameSucceeded);
  // Queued behind OK, so that they wait for the refresh that follows the message: the message
  // box's own loop ends with OK and leaves them to the refresh.
  ULONGLONG dismissed = GetTickCount64();
  ClickButton(GetDlgItem(shown->box, IDOK));
  PostClicksAndEscape(window);

  EXPECT_TRUE(EndedWithExitCodeZero(program_));
  std::printf("rename: first refresh and listing checked in %llu ms, program ended %llu ms after OK\n",
              listed - start, GetTickCount64() - dismissed);
  EXPECT_TRUE(SameRegistry(SnapshotClassKey(), expected));
}

}  // namespace
