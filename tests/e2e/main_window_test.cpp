// The main window as a user meets it: its frame, its controls, the connections it lists,
// choosing one, the keyboard, and how the hint label is drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/main_window.h"
#include "app/texts.h"
#include "tests/e2e/poll.h"
#include "tests/e2e/screen_pixels.h"
#include "tests/e2e/varenkel_fixture.h"

namespace {

using MainWindowTest = VarenkelTest;

constexpr int kOuterWidth = 278, kOuterHeight = 168;
// The tab cycle, which runs opposite to the z-order.
const std::vector<int> kTabCycle = {组合框, 按钮_删除, 编辑框, 按钮_修改};

int PositionInCycle(HWND window, HWND control) {
  for (size_t i = 0; i < kTabCycle.size(); ++i)
    if (GetDlgItem(window, kTabCycle[i]) == control) return static_cast<int>(i);
  return -1;
}

// Presses the key and waits for the focus to reach the control expected next in the cycle.
::testing::AssertionResult FocusMovesTo(HWND window, WORD key, WORD held, int expected_id) {
  PressKey(window, key, held);
  HWND expected = GetDlgItem(window, expected_id);
  if (PollUntil([&] { return FocusedControl(window) == expected; })) return ::testing::AssertionSuccess();
  HWND focused = FocusedControl(window);
  return ::testing::AssertionFailure() << "the focus is on control " << (focused ? GetDlgCtrlID(focused) : 0)
                                       << " instead of " << expected_id;
}

// Puts the focus on a control of the cycle by pressing Tab, as a user would.
::testing::AssertionResult TabTo(HWND window, int id) {
  if (!BringToForeground(window)) return ::testing::AssertionFailure() << "the window does not come to the foreground";
  if (!PollUntil([&] { return PositionInCycle(window, FocusedControl(window)) >= 0; }))
    return ::testing::AssertionFailure() << "no control of the tab cycle has the focus";
  for (size_t presses = 0; presses < kTabCycle.size(); ++presses) {
    int position = PositionInCycle(window, FocusedControl(window));
    if (position < 0) return ::testing::AssertionFailure() << "Tab took the focus out of the cycle";
    if (kTabCycle[position] == id) return ::testing::AssertionSuccess();
    ::testing::AssertionResult moved =
        FocusMovesTo(window, VK_TAB, 0, kTabCycle[(position + 1) % kTabCycle.size()]);
    if (!moved) return moved;
  }
  return ::testing::AssertionFailure() << "Tab never reached control " << id;
}

TEST_F(MainWindowTest, FrameIsFixedCaptionedAndCentredOnTheScreen) {
  HWND window = program_.window;
  EXPECT_EQ(WindowText(window), kCaption);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, kOuterWidth);
  EXPECT_EQ(outer.bottom - outer.top, kOuterHeight);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2);

  struct StyleBit {
    const char* name;
    LONG_PTR bit;
    bool set;
  };
  const StyleBit kStyleBits[] = {
      {"WS_CAPTION", WS_CAPTION, true},          {"WS_SYSMENU", WS_SYSMENU, true},
      {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true},  {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, true},
      {"WS_THICKFRAME", WS_THICKFRAME, false},   {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
      {"WS_DISABLED", WS_DISABLED, false},       {"WS_MINIMIZE", WS_MINIMIZE, false},
      {"WS_MAXIMIZE", WS_MAXIMIZE, false},
  };
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  for (const StyleBit& row : kStyleBits) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ((style & row.bit) == row.bit, row.set);
  }
  // The system gives every captioned window WS_EX_WINDOWEDGE by itself; the program adds nothing.
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_WINDOWEDGE}, 0);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(window), nullptr);
}

TEST_F(MainWindowTest, ControlsHaveTheirClassesPlacesTextsAndStacking) {
  struct ControlRow {
    const char* name;
    int id;
    const char* class_name;  // null: a class of the program's own
    int left, top, width, height;  // height 0: the font decides (the combo box's selection field)
    const char* text;              // null: not checked here
  };
  const ControlRow kControlRows[] = {
      {"标签1", 标签1, nullptr, 4, 84, 264, 55, kHintText},
      {"按钮_修改", 按钮_修改, "Button", 200, 56, 64, 24, kModifyCaption},
      {"编辑框", 编辑框, "Edit", 8, 56, 184, 24, nullptr},
      {"按钮_删除", 按钮_删除, "Button", 200, 16, 64, 24, kDeleteCaption},
      {"组合框", 组合框, "ComboBox", 8, 16, 184, 0, nullptr},
  };
  HWND stacked = GetWindow(program_.window, GW_CHILD);  // z-order, top first
  for (const ControlRow& row : kControlRows) {
    SCOPED_TRACE(row.name);
    HWND control = Control(row.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(stacked, control) << "out of z-order";
    stacked = GetWindow(stacked, GW_HWNDNEXT);
    if (row.class_name != nullptr) {
      EXPECT_EQ(ClassNameOf(control), row.class_name);
    }
    RECT rect = RectInClientOf(program_.window, control);
    EXPECT_EQ(rect.left, row.left);
    EXPECT_EQ(rect.top, row.top);
    EXPECT_EQ(rect.right - rect.left, row.width);
    if (row.height != 0) {
      EXPECT_EQ(rect.bottom - rect.top, row.height);
    }
    if (row.text != nullptr) {
      EXPECT_EQ(WindowText(control), row.text);
    }
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
  }
  EXPECT_EQ(stacked, nullptr) << "more controls than the five";

  HWND combo = Control(组合框);
  EXPECT_EQ(GetWindowLongPtrA(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST) << "the combo box must take no typed text";
  // The height the combo box is created with bounds its dropped list. Windows measures the dropped
  // rectangle from the top of the selection field; Wine gives the list's own, rounded to whole items.
  RECT dropped = {}, field = RectInClientOf(program_.window, combo);
  SendToWindow(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  LRESULT item_height = SendToWindow(combo, CB_GETITEMHEIGHT, 0, 0);
  int dropped_height = dropped.bottom - dropped.top, field_height = field.bottom - field.top;
  EXPECT_LE(dropped_height, 160);
  EXPECT_GT(dropped_height, 160 - field_height - item_height)
      << "selection field " << field_height << ", item height " << item_height;
}

TEST_F(MainWindowTest, ShowsTheListedConnectionsWithTheFirstSelectedAndMirrored) {
  std::vector<ComboItem> expected = FirstListing();
  ASSERT_EQ(expected.size(), 4u) << "four of the samples carry a listed name";
  EXPECT_EQ(ComboItems(Control(组合框)), expected);
  EXPECT_EQ(ComboSelection(Control(组合框)), 0);
  EXPECT_EQ(WindowText(Control(编辑框)), expected[0].text);
}

TEST_F(MainWindowTest, ChoosingAnItemCopiesItsTextOverWhatWasTyped) {
  HWND combo = Control(组合框), edit = Control(编辑框);
  std::vector<ComboItem> items = ComboItems(combo);
  ASSERT_EQ(items.size(), 4u);
  const std::string typed = "typed \xC3\xFB\xB3\xC6";  // "typed 名称"
  for (int position : {2, 1, 3, 0}) {
    SCOPED_TRACE("item " + std::to_string(position));
    TypeText(edit, typed);
    ASSERT_EQ(WindowText(edit), typed);
    ChooseComboItem(combo, position);
    EXPECT_TRUE(PollUntil([&] { return WindowText(edit) == items[position].text; }))
        << "the edit box holds \"" << WindowText(edit) << '"';
    EXPECT_EQ(ComboSelection(combo), position);
    EXPECT_EQ(ComboItems(combo), items) << "choosing must not change the list";
  }
}

TEST_F(MainWindowTest, TabAndShiftTabWalkTheFocusCycle) {
  HWND window = program_.window;
  ASSERT_TRUE(TabTo(window, 组合框));
  struct Walk {
    const char* name;
    WORD held;
    int step;  // through kTabCycle
  };
  const Walk kWalks[] = {{"Tab", 0, 1}, {"Shift+Tab", VK_SHIFT, -1}};
  for (const Walk& walk : kWalks) {
    SCOPED_TRACE(walk.name);
    int position = 0;  // 组合框
    for (size_t presses = 0; presses < kTabCycle.size(); ++presses) {  // once round, back to 组合框
      position = (position + walk.step + static_cast<int>(kTabCycle.size())) % static_cast<int>(kTabCycle.size());
      ASSERT_TRUE(FocusMovesTo(window, VK_TAB, walk.held, kTabCycle[position]));
    }
  }
}

TEST_F(MainWindowTest, EscFromAnyControlEndsTheProgramWithExitCodeZero) {
  for (int id : kTabCycle) {
    SCOPED_TRACE("Esc on control " + std::to_string(id));
    if (program_.process.hProcess == nullptr) {
      ASSERT_TRUE(StartVarenkel(program_));
    }
    ASSERT_TRUE(TabTo(program_.window, id));
    PressKey(program_.window, VK_ESCAPE);
    std::optional<DWORD> exit_code = WaitForExit(program_);
    ASSERT_TRUE(exit_code.has_value()) << "the program still runs";
    EXPECT_EQ(*exit_code, 0u);
    StopProgram(program_);
  }
}

// The close button of the title bar, where the frame has it: its hit test says HTCLOSE.
std::optional<POINT> CloseButtonOf(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  for (int x = frame.right - 2; x > frame.right - 60; --x) {
    for (int y = frame.top + 2; y < frame.top + 40; ++y) {
      POINT point = {x, y};
      if (SendToWindow(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return point;
    }
  }
  return std::nullopt;
}

TEST_F(MainWindowTest, CloseButtonSystemMenuAndAltF4EndTheProgramWithExitCodeZero) {
  const struct {
    const char* name;
    bool (*close)(HWND window);
  } kWays[] = {
      {"the close button",
       [](HWND window) {
         std::optional<POINT> button = CloseButtonOf(window);
         if (!button) {
           ADD_FAILURE() << "no close button in the frame";
           return false;
         }
         // A press and release over the button, as the frame's own tracking of it reads them.
         BringToForeground(window);
         SetCursorPos(button->x, button->y);
         PostMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(button->x, button->y));
         POINT client = *button;
         ScreenToClient(window, &client);
         PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
         return true;
       }},
      {"Close in the system menu", [](HWND window) { return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }},
      {"Alt+F4",
       [](HWND window) {
         PressKey(window, VK_F4, VK_MENU);
         return true;
       }},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.name);
    if (program_.process.hProcess == nullptr) {
      ASSERT_TRUE(StartVarenkel(program_));
    }
    ASSERT_TRUE(way.close(program_.window));
    std::optional<DWORD> exit_code = WaitForExit(program_);
    ASSERT_TRUE(exit_code.has_value()) << "the program still runs";
    EXPECT_EQ(*exit_code, 0u);
    StopProgram(program_);
  }
}

// Rows of a picture that hold something other than `background`, grouped into bands of
// consecutive rows, each with its leftmost such pixel: the lines of a text.
struct TextBand {
  int first_row, last_row, left;
};
std::vector<TextBand> TextBands(const Pixels& pixels, COLORREF background) {
  std::vector<TextBand> bands;
  for (int y = 0; y < pixels.height; ++y) {
    int left = -1;
    for (int x = 0; x < pixels.width && left < 0; ++x)
      if (pixels.colours[static_cast<size_t>(y * pixels.width + x)] != background) left = x;
    if (left < 0) continue;
    if (!bands.empty() && bands.back().last_row == y - 1) {
      bands.back().last_row = y;
      bands.back().left = std::min(bands.back().left, left);
    } else {
      bands.push_back({y, y, left});
    }
  }
  return bands;
}

int WidthOfSpaces(int count) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent = {};
  GetTextExtentPoint32A(dc, std::string(static_cast<size_t>(count), ' ').c_str(), count, &extent);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return extent.cx;
}

TEST_F(MainWindowTest, HintIsDrawnInGreenOnTheButtonFace) {
  const COLORREF green = RGB(0, 128, 0), face = GetSysColor(COLOR_BTNFACE);
  RECT area;
  GetWindowRect(Control(标签1), &area);
  Pixels pixels;
  ASSERT_TRUE(PollUntil([&] {
    pixels = CaptureScreen(area);
    return CountColour(pixels, green) > 0;
  })) << "no green pixel where the label is";
  int text_pixels = 0, off_colour = 0;
  for (COLORREF colour : pixels.colours) {
    if (colour == face) continue;
    ++text_pixels;
    // Smoothed text blends green into the face colour: green stays the strongest component.
    if (GetGValue(colour) <= GetRValue(colour) || GetGValue(colour) <= GetBValue(colour)) ++off_colour;
  }
  EXPECT_GT(CountColour(pixels, face), static_cast<int>(pixels.colours.size()) / 2) << "the background is the face";
  EXPECT_GT(text_pixels, 100);
  EXPECT_EQ(off_colour, 0) << "text pixels that are not green";

  // Four lines, the third all spaces, the last indented by 26 spaces: three bands of text.
  std::vector<TextBand> lines = TextBands(pixels, face);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NEAR(lines[2].left - lines[0].left, WidthOfSpaces(26), 3);
  EXPECT_NEAR(lines[1].left - lines[0].left, WidthOfSpaces(5), 3);
}

}  // namespace
