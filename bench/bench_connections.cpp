#include "bench/bench_connections.h"

#include <cstdio>
#include <string>

#include "app/texts.h"

namespace {

const char kEthernetName[] = "\xD2\xD4\xCC\xAB\xCD\xF8";  // 以太网 "Ethernet", as Windows 8 and later name it

// Keys sort in index order, so listed and unlisted connections alternate in the enumeration too.
std::string ConnectionKey(int index) {
  char key[64];
  std::snprintf(key, sizeof key, "{%08X-4E1D-4B6A-9C3F-%012X}", static_cast<unsigned>(index), 0x5EEDu + index);
  return key;
}

// 本地连接 n, 以太网 n, 无线网络连接 n, 以太网 n, ...: numbered, so neither default name is among them.
std::string ConnectionName(int index) {
  const char* kinds[] = {kDefaultLocalName, kEthernetName, kDefaultWirelessName, kEthernetName};
  return std::string(kinds[index % 4]) + " " + std::to_string(index + 1);
}

}  // namespace

std::vector<SampleConnection> BenchConnections(int count) {
  std::vector<SampleConnection> connections;
  connections.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) connections.push_back({ConnectionKey(i), true, ConnectionName(i), i % 2 == 0});
  return connections;
}

int ListedCount(const std::vector<SampleConnection>& connections) {
  int listed = 0;
  for (const SampleConnection& connection : connections) listed += connection.listed ? 1 : 0;
  return listed;
}
