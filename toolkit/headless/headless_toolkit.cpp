// A toolkit without a screen: the window is a record, events are a queue, message boxes are a log.
#include "toolkit/headless/headless_toolkit.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "toolkit/process_exit.h"

namespace {

struct Item {
  std::string text;
  int32_t value;
};

struct Event {
  bool is_quit;
  std::function<void()> run;
};

struct HeadlessState {
  const WindowDefinition* window = nullptr;
  bool visible = false;
  bool created_before_shown = false;
  std::vector<Item> items;
  int selection = -1;
  std::string edit_text;
  std::deque<Event> events;
  int dispatched = 0;
  std::vector<ShownMessage> messages;
  std::function<void(const ShownMessage&)> on_shown;
  bool refuse_items = false;
};

HeadlessState state;

const ControlDefinition* FindControl(ControlId id) {
  if (state.window == nullptr) return nullptr;
  for (int i = 0; i < state.window->control_count; ++i)
    if (state.window->controls[i].id == id) return &state.window->controls[i];
  return nullptr;
}

bool IsItem(int position) { return position >= 0 && position < static_cast<int>(state.items.size()); }

}  // namespace

// --- Toolkit operations ---

void InitialiseToolkit() {}

void EndProcess(int exit_code) {
  std::fflush(nullptr);
  std::_Exit(exit_code);
}

void ProcessPendingEvents() {
  while (!state.events.empty() && !state.events.front().is_quit) {
    std::function<void()> run = std::move(state.events.front().run);
    state.events.pop_front();
    ++state.dispatched;
    run();
  }
}

bool LoadWindow(const WindowDefinition& window) {
  state.window = &window;
  state.visible = false;
  state.items.clear();
  state.selection = -1;
  state.edit_text.clear();
  if (window.on_created) window.on_created();
  if (state.window == nullptr) return true;  // closed while its created event ran
  state.created_before_shown = !state.visible;
  state.visible = true;
  return true;
}

void RunMessageLoop() {
  while (state.window != nullptr && !state.events.empty()) {
    Event event = std::move(state.events.front());
    state.events.pop_front();
    if (event.is_quit) return;
    event.run();
  }
}

void ComboRemoveAllItems(ControlId) {
  state.items.clear();
  state.selection = -1;
}

int ComboAddItem(ControlId, const std::string& text, int32_t item_value) {
  if (state.refuse_items || state.window == nullptr) return -1;  // no box, no item
  state.items.push_back({text, item_value});
  return static_cast<int>(state.items.size()) - 1;
}

int ComboCurrentSelection(ControlId) { return state.selection; }

void ComboSetCurrentSelection(ControlId, int position) {
  int last = static_cast<int>(state.items.size()) - 1;
  state.selection = position > last ? last : position < -1 ? -1 : position;
}

std::string ComboItemText(ControlId, int position) { return IsItem(position) ? state.items[position].text : ""; }

int32_t ComboItemValue(ControlId, int position) { return IsItem(position) ? state.items[position].value : -1; }

std::string EditText(ControlId) { return state.edit_text; }

void SetEditText(ControlId, const std::string& text) {
  if (state.window != nullptr) state.edit_text = text;
}

void ShowMessage(const std::string& text, unsigned icon_flags, const std::string& title) {
  state.messages.push_back({text, icon_flags, title});
  if (state.on_shown) state.on_shown(state.messages.back());
}

// --- Steering ---

void HeadlessReset() {
  state = HeadlessState();
  ForgetExitHooks();
}

void HeadlessPostEvent(std::function<void()> event) { state.events.push_back({false, std::move(event)}); }
void HeadlessPostQuit() { state.events.push_back({true, nullptr}); }
int HeadlessWaitingEventCount() { return static_cast<int>(state.events.size()); }
int HeadlessDispatchedEventCount() { return state.dispatched; }

void HeadlessChooseItem(ControlId combo, int position) {
  if (!IsItem(position)) return;
  state.selection = position;
  const ControlDefinition* control = FindControl(combo);
  if (control != nullptr && control->on_event != nullptr) HeadlessPostEvent(control->on_event);
}

void HeadlessClick(ControlId button) {
  const ControlDefinition* control = FindControl(button);
  if (control != nullptr && control->on_event != nullptr) control->on_event();
}

void HeadlessType(ControlId, const std::string& text) { state.edit_text = text; }

void HeadlessCloseWindow() {
  // The controls go with the window: what is read from them afterwards is empty.
  state.window = nullptr;
  state.visible = false;
  state.items.clear();
  state.selection = -1;
  state.edit_text.clear();
}

bool HeadlessWindowExists() { return state.window != nullptr; }
bool HeadlessCreatedBeforeShown() { return state.created_before_shown; }
const std::vector<ShownMessage>& HeadlessMessages() { return state.messages; }
void HeadlessOnMessageShown(std::function<void(const ShownMessage&)> on_shown) { state.on_shown = std::move(on_shown); }
void HeadlessRefuseItems(bool refuse) { state.refuse_items = refuse; }
