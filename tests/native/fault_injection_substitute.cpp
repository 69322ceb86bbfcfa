#include "registry/substitute/substitute_registry.h"
#include "tests/faults/fault_injection.h"

void InjectEnumerationFailureFrom(int index) { SubstituteFaultsInForce().enum_fails_at = index; }
void InjectGrowingValues() { SubstituteFaultsInForce().values_grow = true; }
void InjectRefusedWrites() { SubstituteFaultsInForce().refuse_writes = true; }
void InjectRefusedDeletes() { SubstituteFaultsInForce().refuse_deletes = true; }
void ClearInjectedFaults() { SubstituteFaultsInForce() = SubstituteFaults(); }
