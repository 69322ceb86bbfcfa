#include "tests/e2e/sample_connections.h"

#include <cstdlib>

#include "app/texts.h"

const char kSecondLocalName[] = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 2";                     // 本地连接 2
const char kSecondWirelessName[] = "\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3 2";  // 无线网络连接 2

namespace {

const char kBroadbandName[] = "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3";  // 宽带连接 "broadband connection"

}  // namespace

const std::vector<SampleConnection> kSampleConnections = {
    {"Descriptions", false, "", false},
    {"{1B5D6A2C-7F3E-4C81-9A0D-2E4F6B8C1D3A}", true, kSecondLocalName, true},
    {"{3A9E4F71-0C2B-4D5E-8F16-7B3C9D2E5A40}", true, kDefaultLocalName, true},
    {"{5C0F8B3D-6E1A-47D2-B94C-1A8E3F6D2B57}", true, kBroadbandName, false},
    {"{7E2D1C94-3B5F-4A68-AC07-9D4F2E1B8C63}", true, kDefaultWirelessName, true},
    {"{9F4B3E16-8D2C-4B79-BE21-5C7A0D3F9E84}", true, "Ethernet 2", false},
    {"{B81C5D27-4A6E-4F90-8D32-6E9B1F4C0A75}", true, kSecondWirelessName, true},
};

const SampleConnection& SampleNamed(const std::string& name) {
  for (const SampleConnection& sample : kSampleConnections)
    if (sample.has_connection_subkey && sample.name == name) return sample;
  std::abort();  // a test asked for a name that is not in the data above
}
