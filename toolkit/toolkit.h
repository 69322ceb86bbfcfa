// The GUI toolkit's operations that the rest of the program relies on.
// Two implementations sit behind this header, chosen at link time: toolkit/win32 (the real one)
// and toolkit/headless (a double for native tests, steered through toolkit/headless/headless_toolkit.h).
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/window_definition.h"

// --- Program lifetime -------------------------------------------------------------------------

void InitialiseToolkit();

// Runs `hook` once at program end, after the hooks registered before it. Registering a hook
// that is already registered adds nothing.
void RegisterExitHook(void (*hook)());

// Runs the exit hooks (at most once per process) and ends the process with `exit_code`.
[[noreturn]] void EndProgram(int exit_code);

// Shows `message` as an error, runs the exit hooks once and ends the process with exit code -1.
[[noreturn]] void FatalStop(const std::string& message);

// Dispatches the events that are waiting; returns when none is left or when the next one is the
// request to end the message loop, which stays waiting for the loop.
void ProcessPendingEvents();

// --- Windows ----------------------------------------------------------------------------------

// Creates the window and its controls, raises its created event while it is still hidden, then
// shows it. Returns false when the window could not be created.
bool LoadWindow(const WindowDefinition& window);

// Dispatches events while at least one window of the program exists.
void RunMessageLoop();

// --- Combo box (drop-down list) --------------------------------------------------------------

void ComboRemoveAllItems(ControlId combo);
// 0-based position of the new last item, or -1 when the box refused it (then nothing is stored).
int ComboAddItem(ControlId combo, const std::string& text, int32_t item_value);
// 0-based position of the selected item, -1 when none.
int ComboCurrentSelection(ControlId combo);
// Positions above the last item become the last item; below -1 become -1. Raises no event.
void ComboSetCurrentSelection(ControlId combo, int position);
// Empty for a position outside the items.
std::string ComboItemText(ControlId combo, int position);
// -1 for a position outside the items.
int32_t ComboItemValue(ControlId combo, int position);

// --- Edit box ---------------------------------------------------------------------------------

std::string EditText(ControlId edit);
void SetEditText(ControlId edit, const std::string& text);

// --- Message box ------------------------------------------------------------------------------

inline constexpr unsigned kIconError = 16;        // MB_ICONERROR
inline constexpr unsigned kIconInformation = 64;  // MB_ICONINFORMATION

// An OK button only, no owner, modal to the whole program; returns when the user dismissed it.
void ShowMessage(const std::string& text, unsigned icon_flags, const std::string& title);
