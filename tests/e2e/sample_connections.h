// A realistic set of network connections as Windows keeps them below the class key: GUID-named
// connection keys with a Connection subkey, and one subkey that is no connection at all.
#pragma once

#include <string>
#include <vector>

struct SampleConnection {
  std::string key;   // the connection key, a direct subkey of the class key
  bool has_connection_subkey;
  std::string name;  // GBK; the Connection subkey's Name (stored with its terminating NUL)
  bool listed;       // whether Varenkel lists it: the name contains 本地 or 无线
};

// Listed in the order the registry enumerates them (by upper-cased name), which the list shows.
extern const std::vector<SampleConnection> kSampleConnections;

// The sample whose Name is `name`; the test data guarantee there is one.
const SampleConnection& SampleNamed(const std::string& name);

// GBK names of the samples that are not the two default names.
extern const char kSecondLocalName[];     // 本地连接 2
extern const char kSecondWirelessName[];  // 无线网络连接 2
