#include <random>

#include "app/texts.h"
#include "tests/native/connection_fixture.h"
#include "tests/reference/find_subtext_reference.h"

namespace {

// --- FindSubtext ---

TEST(FindSubtext, Cases) {
  const struct {
    const char* name;
    std::string text;
    std::string term;
    int position;
  } rows[] = {
      {"term inside the second byte of a character", "\xC4\xB1\xBE\xB5\xD8\xA1", kTermLocal, -1},
      {"term after a single-byte character", "\x41\xB1\xBE\xB5\xD8", kTermLocal, 2},
      {"term after a two-byte character", "\xC1\xAC\xB1\xBE\xB5\xD8", kTermLocal, 3},
      {"term at the start", "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3", kTermLocal, 1},
      {"lead byte right before the end", "ab\xB1", "\xB1\xBE", -1},
      {"lead byte before the end stops the search", "a\xC1\xAC\xB1", "Z", -1},
      {"empty text", "", kTermWireless, -1},
      {"text shorter than the term", "\xCE\xDE", kTermWireless, -1},
      {"Latin name", "Ethernet 2", kTermLocal, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FindSubtext(row.text, row.term), row.position);
    EXPECT_EQ(FindAtCharacterStart(row.text, row.term), row.position) << "the reference disagrees";
  }
}

TEST(FindSubtext, AgreesWithTheReferenceOnGeneratedTexts) {
  std::mt19937 random(20261211);
  const unsigned char alphabet[] = {0x41, 0x20, 0xB1, 0xBE, 0xB5, 0xD8, 0xCE, 0xDE, 0xCF, 0xDF, 0xC4, 0xA1, 0x80, 0xFF};
  auto random_text = [&](size_t max_length) {
    std::string text(random() % (max_length + 1), '\0');
    for (char& c : text) c = static_cast<char>(alphabet[random() % sizeof alphabet]);
    return text;
  };
  for (int i = 0; i < 200000; ++i) {
    std::string text = random_text(12);
    std::string term = i % 3 == 0 ? kTermLocal : i % 3 == 1 ? kTermWireless : random_text(3);
    if (term.empty()) term = "A";
    ASSERT_EQ(FindSubtext(text, term), FindAtCharacterStart(text, term))
        << "text " << testing::PrintToString(text) << " term " << testing::PrintToString(term);
  }
}

// --- RefreshConnectionList ---

using RefreshConnectionListTest = ConnectionFixture;

const std::string kLocal = kDefaultLocalName;             // 本地连接
const std::string kWireless = kDefaultWirelessName;       // 无线网络连接
const std::string kLocal2 = kLocal + " 2";                // 本地连接 2
const std::string kBroadband = "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3";  // 宽带连接, neither term

TEST_F(RefreshConnectionListTest, ListsInEnumerationOrderWithItemValuesContinuingAcrossRefreshes) {
  SeedConnection("{b1}", kWireless);
  SeedConnection("{A0}", kLocal);
  SeedConnection("{c2}", kLocal2);
  Start();
  EXPECT_EQ(ComboItems(), (std::vector<ComboItem>{{kLocal, 1}, {kWireless, 2}, {kLocal2, 3}}));
  EXPECT_EQ(ComboCurrentSelection(组合框), 0);
  EXPECT_EQ(EditText(编辑框), kLocal);

  HeadlessType(编辑框, "typed");
  RefreshConnectionList();
  EXPECT_EQ(ComboItems(), (std::vector<ComboItem>{{kLocal, 4}, {kWireless, 5}, {kLocal2, 6}}));
  EXPECT_EQ(*ConnectionKeyList, (TextList{"{A0}", "{b1}", "{c2}", "{A0}", "{b1}", "{c2}"}));
  EXPECT_EQ(EditText(编辑框), kLocal) << "typed text is replaced";
}

TEST_F(RefreshConnectionListTest, SkipsWhatCannotBeListed) {
  SeedConnection("{1}", kBroadband);
  SeedConnection("{2}", "Intel(R) Ethernet");
  SubstituteCreateKey(kRootLocalMachine, ConnectionPath("{3}"));                   // no Connection
  SubstituteCreateKey(kRootLocalMachine, ConnectionPath("{4}") + "\\Connection");  // no Name
  SubstituteCreateKey(kRootLocalMachine, ConnectionPath("Descriptions"));
  SeedConnection("{5}", "\xC4\xB1\xBE\xB5\xD8\xA1");  // 谋镜亍: the term's bytes only across characters
  SeedConnection("{6}", "A" + std::string(kTermLocal));
  SeedConnection("{7}", "My " + std::string(kTermWireless));
  Start();
  EXPECT_EQ(ComboItems(),
            (std::vector<ComboItem>{{"A" + std::string(kTermLocal), 1}, {"My " + std::string(kTermWireless), 2}}));
  EXPECT_EQ(*ConnectionKeyList, (TextList{"{6}", "{7}"}));
}

TEST_F(RefreshConnectionListTest, NothingListedEmptiesTheEditBox) {
  const struct {
    const char* name;
    bool class_key_exists;
  } rows[] = {{"no name qualifies", true}, {"class key missing", false}};
  Start();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SubstituteReset();
    if (row.class_key_exists) SeedConnection("{1}", kBroadband);
    HeadlessType(编辑框, "typed");
    RefreshConnectionList();
    EXPECT_TRUE(ComboItems().empty());
    EXPECT_EQ(ComboCurrentSelection(组合框), -1);
    EXPECT_EQ(EditText(编辑框), "");
    EXPECT_TRUE(ConnectionKeyList->empty());
  }
}

TEST_F(RefreshConnectionListTest, RefusedItemStillAppendsItsKey) {
  SeedConnection("{1}", kLocal);
  SeedConnection("{2}", kWireless);
  HeadlessRefuseItems(true);
  Start();
  EXPECT_TRUE(ComboItems().empty());
  EXPECT_EQ(*ConnectionKeyList, (TextList{"{1}", "{2}"}));
  EXPECT_EQ(EditText(编辑框), "");
  HeadlessRefuseItems(false);
  RefreshConnectionList();
  EXPECT_EQ(ComboItems(), (std::vector<ComboItem>{{kLocal, 3}, {kWireless, 4}}));
}

TEST_F(RefreshConnectionListTest, ComboBoxIsEmptyWhileEventsRunDuringTheEnumeration) {
  SeedConnection("{1}", kLocal);
  SeedConnection("{2}", kWireless);
  Start();
  HeadlessType(编辑框, "typed");
  std::vector<std::string> seen;
  HeadlessPostEvent([&] {
    seen.push_back(std::to_string(ComboItems().size()) + " items, edit '" + EditText(编辑框) + "', list " +
                   std::to_string(ConnectionKeyList->size()));
  });
  RefreshConnectionList();
  EXPECT_EQ(seen, std::vector<std::string>{"0 items, edit 'typed', list 2"});
}

TEST_F(RefreshConnectionListTest, ChoosingAnItemCopiesItsTextOverTypedText) {
  SeedConnection("{1}", kLocal);
  SeedConnection("{2}", kWireless);
  Start();
  HeadlessType(编辑框, "typed");
  HeadlessChooseItem(组合框, 1);
  EXPECT_EQ(EditText(编辑框), "typed") << "the handler runs when the posted event is dispatched";
  ProcessPendingEvents();
  EXPECT_EQ(EditText(编辑框), kWireless);
  EXPECT_TRUE(HeadlessCreatedBeforeShown());
}

}  // namespace
