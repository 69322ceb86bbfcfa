// The six registry functions, each bound by name at its first call and kept until program end.
#pragma once

#include "registry/registry_abi.h"

enum class RegistryFunction { DeleteKey = 0, EnumKey = 1, CloseKey = 2, OpenKey = 3, QueryValueEx = 4, SetValueEx = 5 };

struct Binding {
  const char* library;  // as declared; empty means the system's standard libraries
  const char* function;
  void* address;        // null while unbound
  void* library_handle;
};

// The binding of `function`, bound now if it was not yet. A function that cannot be bound is a
// fatal stop that names the declared library and the function.
void* BoundAddress(RegistryFunction function);

// What is bound, for tests that check when binding happens.
const Binding& BindingOf(RegistryFunction function);

// Releases the libraries of all bound functions and unbinds them (program end, test reset).
void ReleaseBindings();
