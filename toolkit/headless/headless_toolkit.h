// Steering the headless toolkit from tests: what a user would do to the window, and what the
// program showed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

struct ShownMessage {
  std::string text;
  unsigned icon_flags;
  std::string title;
};

// A fresh toolkit: no window, no hooks, no waiting events, no messages, no faults.
void HeadlessReset();

// An event that the next ProcessPendingEvents or the message loop dispatches.
void HeadlessPostEvent(std::function<void()> event);
// The request to end the message loop; ProcessPendingEvents leaves it (and what follows) waiting.
void HeadlessPostQuit();
int HeadlessWaitingEventCount();
// How many events ProcessPendingEvents has dispatched since the reset.
int HeadlessDispatchedEventCount();

// What a user does. Choosing an item selects it at once and posts the list item selected event,
// as the real combo box does; a click runs the button's handler at once.
void HeadlessChooseItem(ControlId combo, int position);
void HeadlessClick(ControlId button);
void HeadlessType(ControlId edit, const std::string& text);
void HeadlessCloseWindow();
bool HeadlessWindowExists();
// True once the created event ran while the window was still hidden.
bool HeadlessCreatedBeforeShown();

// Every message box shown since the reset, in order. `on_shown` runs while a box is up.
const std::vector<ShownMessage>& HeadlessMessages();
void HeadlessOnMessageShown(std::function<void(const ShownMessage&)> on_shown);

// From now on the combo box refuses every item (ComboAddItem gives -1 and stores nothing).
void HeadlessRefuseItems(bool refuse);
