// Registry functions that cannot be bound: each is a fatal stop whose message names the declared
// library and the function. The same rows run natively and under Wine, each in a child process.
#pragma once

#include <string>

struct BindFailure {
  const char* name;
  const char* library_that_fails;     // "" when the library loads
  const char* function_not_exported;  // "" when the function is there
  void (*call)();                     // the first call of the function; addresses HKCU\Software
  const char* library_named;
  const char* function_named;
};

extern const BindFailure kBindFailures[];
extern const int kBindFailureCount;

// What the fatal stop says for the row.
std::string BindFailureMessage(const BindFailure& failure);
