// FindSubtext against the reference search on arbitrary bytes. The first byte of an input gives
// the term's length (1 to 16, cut to what the input holds), the term follows, and the rest is the
// text. Any difference stops the run, and libFuzzer keeps the input that caused it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "connections/connection_list.h"
#include "tests/reference/find_subtext_reference.h"

namespace {

constexpr size_t kLongestTerm = 16;

void PrintBytes(const char* what, const std::string& bytes) {
  std::fprintf(stderr, "%s (%zu bytes):", what, bytes.size());
  for (unsigned char byte : bytes) std::fprintf(stderr, " %02X", byte);
  std::fprintf(stderr, "\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;  // no room for a term, which is never empty
  size_t term_length = 1 + data[0] % kLongestTerm;
  if (term_length > size - 1) term_length = size - 1;
  const std::string term(reinterpret_cast<const char*>(data + 1), term_length);
  const std::string text(reinterpret_cast<const char*>(data + 1 + term_length), size - 1 - term_length);

  int found = FindSubtext(text, term);
  int expected = FindAtCharacterStart(text, term);
  if (found != expected) {
    PrintBytes("text", text);
    PrintBytes("term", term);
    std::fprintf(stderr, "FindSubtext gave %d, the reference %d\n", found, expected);
    __builtin_trap();
  }
  return 0;
}
