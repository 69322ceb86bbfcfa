// Faults injected under the registry module: natively in the substitute registry, under Wine by
// wrappers around the real advapi32 that the test loader hands out.
#pragma once

void InjectEnumerationFailureFrom(int index);  // RegEnumKeyA fails from this index on
void InjectGrowingValues();                    // a value gains a byte right after each size query
void InjectRefusedWrites();                    // RegSetValueExA is denied
void InjectRefusedDeletes();                   // RegDeleteKeyA is denied
void ClearInjectedFaults();
