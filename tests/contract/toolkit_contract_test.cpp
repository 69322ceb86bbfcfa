// What the toolkit's operations do at their edges. The same cases run natively against the
// headless toolkit and under Wine against the real controls, which keeps the headless one honest.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/process_exit.h"
#include "toolkit/toolkit.h"

namespace {

enum : ControlId { kCombo = 2001, kEdit };

int created_events = 0;
int chosen_events = 0;
void RecordCreated() { ++created_events; }
void RecordChosen() { ++chosen_events; }

const ControlDefinition kControls[] = {
    {kEdit, ControlKind::EditBox, 8, 40, 180, 24, "", true, nullptr},
    {kCombo, ControlKind::ComboBox, 8, 8, 180, 24, "", true, RecordChosen},
};
const ControlId kTabCycle[] = {kCombo, kEdit};
const WindowDefinition kWindow = {
    "Toolkit contract", 240, 120, kControls, 2, kTabCycle, 2, RecordCreated,
};

const std::string kGbkName = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3";  // 本地连接, double-byte characters

class ToolkitContract : public ::testing::Test {
 protected:
  void SetUp() override {
    created_events = 0;
    chosen_events = 0;
    InitialiseToolkit();
    ASSERT_TRUE(LoadWindow(kWindow));
    // The created event has run, once, before the load returned.
    ASSERT_EQ(created_events, 1);
  }

  static void AddItems(int count) {
    for (int i = 0; i < count; ++i) ASSERT_EQ(ComboAddItem(kCombo, "item " + std::to_string(i), 100 + i), i);
  }
};

TEST_F(ToolkitContract, ALoadedWindowStartsWithAnEmptyComboBoxAndEditBox) {
  EXPECT_EQ(ComboCurrentSelection(kCombo), -1);
  EXPECT_EQ(ComboItemText(kCombo, 0), "");
  EXPECT_EQ(EditText(kEdit), "");
}

TEST_F(ToolkitContract, SettingTheSelectionClampsItAndRaisesNoEvent) {
  struct Row {
    const char* name;
    int items;
    int position;
    int expected;
  };
  const Row rows[] = {
      {"the first item", 3, 0, 0},
      {"the last item", 3, 2, 2},
      {"above the last item becomes the last", 3, 3, 2},
      {"far above the last item becomes the last", 3, 1000, 2},
      {"-1 leaves no item selected", 3, -1, -1},
      {"below -1 becomes -1", 3, -7, -1},
      {"an empty box: 0 becomes -1", 0, 0, -1},
      {"an empty box: above 0 becomes -1", 0, 5, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ComboRemoveAllItems(kCombo);
    AddItems(row.items);
    ComboSetCurrentSelection(kCombo, row.items > 1 ? 1 : -1);  // start away from the expected result
    ComboSetCurrentSelection(kCombo, row.position);
    EXPECT_EQ(ComboCurrentSelection(kCombo), row.expected);
  }
  ProcessPendingEvents();
  EXPECT_EQ(chosen_events, 0) << "setting the selection from code raised the list item selected event";
}

TEST_F(ToolkitContract, ItemsGoAfterTheExistingOnesAndKeepTheirTextsAndValues) {
  struct Item {
    std::string text;
    int32_t value;
  };
  // Not in sorted order, so a sorting box would show itself.
  const std::vector<Item> items = {
      {"b", 7}, {"a", -3}, {kGbkName, 2147483647}, {"", 0}, {"A", -2147483647 - 1},
  };
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(ComboAddItem(kCombo, items[i].text, items[i].value), int(i));
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE("item " + std::to_string(i));
    EXPECT_EQ(ComboItemText(kCombo, int(i)), items[i].text);
    EXPECT_EQ(ComboItemValue(kCombo, int(i)), items[i].value);
  }
}

TEST_F(ToolkitContract, PositionsOutsideTheItemsGiveAnEmptyTextAndMinusOne) {
  AddItems(2);
  for (int position : {-1000, -2, -1, 2, 3, 1000}) {
    SCOPED_TRACE("position " + std::to_string(position));
    EXPECT_EQ(ComboItemText(kCombo, position), "");
    EXPECT_EQ(ComboItemValue(kCombo, position), -1);
  }
  EXPECT_EQ(ComboItemText(kCombo, 1), "item 1");  // the inside still answers
}

TEST_F(ToolkitContract, RemovingAllItemsLeavesNoItemsAndNoSelection) {
  AddItems(3);
  ComboSetCurrentSelection(kCombo, 1);
  ComboRemoveAllItems(kCombo);
  EXPECT_EQ(ComboCurrentSelection(kCombo), -1);
  EXPECT_EQ(ComboItemText(kCombo, 0), "");
  EXPECT_EQ(ComboItemValue(kCombo, 0), -1);
  // Counting starts afresh.
  EXPECT_EQ(ComboAddItem(kCombo, "again", 9), 0);
  EXPECT_EQ(ComboItemValue(kCombo, 0), 9);
}

TEST_F(ToolkitContract, TheEditBoxGivesBackWhatWasSetWhole) {
  const std::string texts[] = {
      "plain", kGbkName, "  spaces around  ", std::string(40000, 'x'), "", "after the empty one",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE("a text of " + std::to_string(text.size()) + " bytes");
    SetEditText(kEdit, text);
    EXPECT_EQ(EditText(kEdit), text);
  }
}

TEST_F(ToolkitContract, ProcessingPendingEventsReturnsWhenNoneIsLeft) {
  AddItems(2);
  ComboSetCurrentSelection(kCombo, 1);
  SetEditText(kEdit, kGbkName);
  ProcessPendingEvents();
  ProcessPendingEvents();  // and again with certainly nothing waiting
  EXPECT_EQ(ComboCurrentSelection(kCombo), 1);
  EXPECT_EQ(EditText(kEdit), kGbkName);
  EXPECT_EQ(chosen_events, 0);
  EXPECT_EQ(created_events, 1);
}

void FirstHook() { std::fputs("first ", stderr); }
void SecondHook() { std::fputs("second ", stderr); }

TEST(ToolkitExitHooks, RunOnceInRegistrationOrderAndTheProcessEndsWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        ForgetExitHooks();
        RegisterExitHook(FirstHook);
        RegisterExitHook(SecondHook);
        RegisterExitHook(FirstHook);  // already registered: adds nothing
        EndProgram(3);
      },
      ::testing::ExitedWithCode(3), "^first second $");
}

}  // namespace
