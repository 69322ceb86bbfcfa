// The connections the benchmark seeds: `count` GUID-named connection keys, every other one with a
// name that Varenkel lists.
#pragma once

#include <vector>

#include "tests/e2e/sample_connections.h"

std::vector<SampleConnection> BenchConnections(int count);
int ListedCount(const std::vector<SampleConnection>& connections);
