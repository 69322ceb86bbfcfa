// Inside the toolkit: the platform's way to end the process, and a reset for test doubles.
#pragma once

[[noreturn]] void EndProcess(int exit_code);

// Drops every registered exit hook (a fresh start for tests that run in one process).
void ForgetExitHooks();
