// What the registry module gives, case by case. The same table runs natively against the
// substitute registry and under Wine against the real advapi32, which keeps the substitute honest.
#include <gtest/gtest.h>

#include "registry/bindings.h"
#include "registry/registry.h"
#include "tests/contract/scratch_registry.h"

namespace {

constexpr uint32_t kRegSz = 1, kRegBinary = 3, kRegMultiSz = 7;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }
std::string Path(const std::string& relative) { return ScratchBase() + "\\" + relative; }
int32_t Root() { return ScratchRootCode(); }

// Bytes whose next byte in memory is not a NUL. RegSetValueExA counts one byte more for REG_SZ
// data that do not end in a NUL when the byte right after them is one, so a case that stores
// data without a terminator must make sure the byte after them is something else.
Bytes WithoutTerminator(const std::string& s) {
  Bytes data = B(s + "X");
  data.pop_back();  // the 'X' stays in the buffer, right after the data
  return data;
}

struct ContractCase {
  const char* name;
  void (*prepare)();
  void (*check)();
};

const ContractCase kCases[] = {
    {"an existing key opens, a missing one gives 0",
     [] { ScratchCreateKey("k"); },
     [] {
       RegKey key = RegistryOpenKey(Root(), Path("k"));
       EXPECT_NE(key, nullptr);
       RegistryCloseKey(key);
       EXPECT_EQ(RegistryOpenKey(Root(), Path("missing")), nullptr);
     }},
    {"enumeration appends after the texts already in the list, in the system's order",
     [] {
       for (const char* name : {"b", "C", "A"}) ScratchCreateKey(std::string("k\\") + name);
       ScratchCreateKey("k\\A\\deeper");
     },
     [] {
       TextList list = {"old 1", "old 2"};
       EXPECT_EQ(RegistryEnumSubkeys(Root(), Path("k"), list), 5);
       // Sorted without regard to case, as the GUID keys of the connections are.
       EXPECT_EQ(list, (TextList{"old 1", "old 2", "A", "b", "C"}));
     }},
    {"a key without subkeys leaves the list as it was and gives its size",
     [] { ScratchCreateKey("k"); },
     [] {
       TextList list = {"old 1", "old 2"};
       EXPECT_EQ(RegistryEnumSubkeys(Root(), Path("k"), list), 2);
       EXPECT_EQ(list, (TextList{"old 1", "old 2"}));
       TextList empty;
       EXPECT_EQ(RegistryEnumSubkeys(Root(), Path("k"), empty), 0);
     }},
    {"a missing key gives 0 even when the list holds texts",
     [] {},
     [] {
       TextList list = {"old 1", "old 2"};
       EXPECT_EQ(RegistryEnumSubkeys(Root(), Path("missing"), list), 0);
       EXPECT_EQ(list, (TextList{"old 1", "old 2"}));
     }},
    {"REG_SZ with its terminator reads as its bytes and as text",
     [] { ScratchSetValue("k", "Name", kRegSz, B(std::string("abc", 4))); },
     [] {
       EXPECT_EQ(RegistryReadValue(Root(), Path("k"), "Name", 11), B(std::string("abc", 4)));
       EXPECT_EQ(RegistryReadValue(Root(), Path("k"), "Name", 1), B(std::string("abc", 4)));
       EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Name"), "abc");
     }},
    {"REG_SZ stored without a terminator reads as all its bytes",
     [] { ScratchSetValue("k", "Name", kRegSz, WithoutTerminator("abc")); },
     [] { EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Name"), "abc"); }},
    {"a GBK name reads back byte for byte",
     [] { ScratchSetValue("k", "Name", kRegSz, B(std::string("\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 2", 11))); },
     [] { EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Name"), "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3 2"); }},
    {"REG_MULTI_SZ reads as its first string",
     [] { ScratchSetValue("k", "Name", kRegMultiSz, B(std::string("one\0two\0\0", 9))); },
     [] { EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Name"), "one"); }},
    {"binary data read with any type code",
     [] { ScratchSetValue("k", "Data", kRegBinary, Bytes{1, 0, 2}); },
     [] {
       EXPECT_EQ(RegistryReadValue(Root(), Path("k"), "Data", 1), (Bytes{1, 0, 2}));
       EXPECT_EQ(RegistryReadValue(Root(), Path("k"), "Data", 11), (Bytes{1, 0, 2}));
       EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Data"), "\x01");
     }},
    {"an empty value, a missing value and a missing key all read as empty",
     [] { ScratchSetValue("k", "Empty", kRegSz, Bytes{}); },
     [] {
       EXPECT_TRUE(RegistryReadValue(Root(), Path("k"), "Empty", 11).empty());
       EXPECT_TRUE(RegistryReadValue(Root(), Path("k"), "Missing", 11).empty());
       EXPECT_TRUE(RegistryReadValue(Root(), Path("missing"), "Name", 11).empty());
       EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Empty"), "");
       EXPECT_EQ(RegistryReadText(Root(), Path("k"), "Missing"), "");
       EXPECT_EQ(RegistryReadText(Root(), Path("missing"), "Name"), "");
     }},
    {"writing empty data stores a value without data bytes",
     [] { ScratchCreateKey("k"); },
     [] {
       EXPECT_TRUE(RegistryWriteValue(Root(), Path("k"), "Name", 11, Bytes{}));
       ScratchValue stored = ScratchReadValue("k", "Name");
       EXPECT_TRUE(stored.exists);
       EXPECT_EQ(stored.type, kRegSz);
       EXPECT_TRUE(stored.data.empty());
     }},
    {"writing adds no terminator to data without one",
     [] { ScratchCreateKey("k"); },
     [] {
       EXPECT_TRUE(RegistryWriteValue(Root(), Path("k"), "Name", 11, WithoutTerminator("abc")));
       EXPECT_EQ(ScratchReadValue("k", "Name").data, B("abc"));
       EXPECT_EQ(RegistryReadValue(Root(), Path("k"), "Name", 11), B("abc"));
     }},
    {"writing data that end in a NUL stores them with it, replacing the old value",
     [] { ScratchSetValue("k", "Name", kRegSz, B(std::string("old", 4))); },
     [] {
       EXPECT_TRUE(RegistryWriteValue(Root(), Path("k"), "Name", 11, B(std::string("new name", 9))));
       ScratchValue stored = ScratchReadValue("k", "Name");
       EXPECT_EQ(stored.type, kRegSz);
       EXPECT_EQ(stored.data, B(std::string("new name", 9)));
     }},
    {"writing under a missing key fails and creates nothing",
     [] {},
     [] {
       EXPECT_FALSE(RegistryWriteValue(Root(), Path("missing"), "Name", 11, B(std::string("x", 2))));
       EXPECT_FALSE(ScratchKeyExists("missing"));
     }},
    {"deleting a missing key fails",
     [] {},
     [] { EXPECT_FALSE(RegistryDeleteKey(Root(), Path("missing"))); }},
    {"a key with subkeys is not deleted",
     [] { ScratchCreateKey("k\\sub"); },
     [] {
       EXPECT_FALSE(RegistryDeleteKey(Root(), Path("k")));
       EXPECT_TRUE(ScratchKeyExists("k\\sub"));
     }},
    {"deleting a leaf key removes only it",
     [] {
       ScratchSetValue("k\\leaf", "Name", kRegSz, B(std::string("x", 2)));
       ScratchCreateKey("k\\other");
     },
     [] {
       EXPECT_TRUE(RegistryDeleteKey(Root(), Path("k\\leaf")));
       EXPECT_FALSE(ScratchKeyExists("k\\leaf"));
       EXPECT_TRUE(ScratchKeyExists("k\\other"));
     }},
    {"a trailing backslash names the same key",
     [] {
       ScratchSetValue("k\\Connection", "Name", kRegSz, B(std::string("old", 4)));
       ScratchCreateKey("k2\\Connection");
     },
     [] {
       TextList list;
       EXPECT_EQ(RegistryEnumSubkeys(Root(), Path("k\\"), list), 1);
       EXPECT_EQ(RegistryReadText(Root(), Path("k\\Connection\\"), "Name"), "old");
       EXPECT_TRUE(RegistryWriteValue(Root(), Path("k\\Connection\\"), "Name", 11, B(std::string("new", 4))));
       EXPECT_EQ(ScratchReadValue("k\\Connection", "Name").data, B(std::string("new", 4)));
       EXPECT_TRUE(RegistryDeleteKey(Root(), Path("k2\\Connection\\")));
       EXPECT_FALSE(ScratchKeyExists("k2\\Connection"));
     }},
    {"key names compare without regard to case",
     [] { ScratchSetValue("Conn", "Name", kRegSz, B(std::string("x", 2))); },
     [] {
       EXPECT_EQ(RegistryReadText(Root(), Path("CONN"), "NAME"), "x");
       EXPECT_TRUE(RegistryDeleteKey(Root(), Path("conn")));
       EXPECT_FALSE(ScratchKeyExists("Conn"));
     }},
    {"RegSetValueExA is bound by the first write whose key opens, not before",
     [] { ScratchCreateKey("k"); },
     [] {
       EXPECT_FALSE(RegistryWriteValue(Root(), Path("missing"), "Name", 11, B("x")));
       EXPECT_EQ(BindingOf(RegistryFunction::SetValueEx).address, nullptr);
       EXPECT_TRUE(RegistryWriteValue(Root(), Path("k"), "Name", 11, B(std::string("x", 2))));
       EXPECT_NE(BindingOf(RegistryFunction::SetValueEx).address, nullptr);
     }},
};

TEST(RegistryContract, Cases) {
  for (const ContractCase& row : kCases) {
    SCOPED_TRACE(row.name);
    ScratchSetUp();
    row.prepare();
    row.check();
    int open = ScratchOpenHandleCount();
    if (open != -1) {
      EXPECT_EQ(open, 0) << "a key was left open";
    }
    ScratchTearDown();
  }
}

TEST(RegistryContract, RootCodes) {
  const struct {
    int32_t code;
    uint32_t handle;
  } rows[] = {{1, 0x80000000u}, {2, 0x80000005u}, {3, 0x80000001u}, {4, 0x80000002u}, {5, 0x80000003u},
              {0, 0},           {6, 6},           {-1, 0xFFFFFFFFu}, {static_cast<int32_t>(0x80000002u), 0x80000002u}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(static_cast<uint32_t>(RegistryRootHandle(row.code)), row.handle);
  }
}

TEST(RegistryContract, ValueTypeCodes) {
  const uint32_t expected[] = {0, 3, 4, 4, 5, 2, 6, 7, 0, 11, 11, 1, 0};  // codes 0..12
  for (int32_t code = 0; code <= 12; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(RegistryValueType(code), expected[code]);
  }
  EXPECT_EQ(RegistryValueType(-1), 0u);
}

}  // namespace
