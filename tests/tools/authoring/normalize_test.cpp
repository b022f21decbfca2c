// Unicode normal forms, the same table for utf8proc natively and NormalizeString under Wine;
// the expected forms are those of the Unicode character database.
#include "tools/authoring/normalize.h"

#include <gtest/gtest.h>

namespace {

struct Form {
  const char* text;
  const char* composed;    // NFC
  const char* decomposed;  // NFD
};

TEST(NormalizeTest, ComposesAndDecomposesAsTheUnicodeDatabaseSays) {
  const Form forms[] = {
      {"", "", ""},
      {"Paris", "Paris", "Paris"},
      {"e\u0301", "\u00E9", "e\u0301"},
      {"E\u0301cole", "\u00C9cole", "E\u0301cole"},
      {"\u00E9le\u0300ve", "\u00E9l\u00E8ve", "e\u0301le\u0300ve"},
      {"gar\u00E7on", "gar\u00E7on", "garc\u0327on"},
      {"c\u0327a", "\u00E7a", "c\u0327a"},
      {"Zoe\u0308", "Zo\u00EB", "Zoe\u0308"},
      {"o\u0302te\u0301", "\u00F4t\u00E9", "o\u0302te\u0301"},
      // A second acute has nothing left to combine with.
      {"e\u0301\u0301", "\u00E9\u0301", "e\u0301\u0301"},
      // The Angstrom sign's canonical form is the letter Å.
      {"\u212B", "\u00C5", "A\u030A"},
      // A ligature is a compatibility form only: NFC keeps it.
      {"\uFB01n", "\uFB01n", "\uFB01n"},
      {"\u0153uf \u20AC", "\u0153uf \u20AC", "\u0153uf \u20AC"},
  };
  for (const Form& form : forms) {
    EXPECT_EQ(ComposeNfc(form.text), form.composed) << form.text;
    EXPECT_EQ(Normalize(form.text, FORM_NFC), form.composed) << form.text;
    EXPECT_EQ(Normalize(form.text, FORM_NFD), form.decomposed) << form.text;
  }
}

TEST(NormalizeTest, LeavesWhatIsNotUtf8AsItIs) {
  for (const char* text : {"Ann\351e", "\xC3", "caf\xC3\xA9\xFF"}) {
    EXPECT_EQ(ComposeNfc(text), text) << testing::PrintToString(text);
  }
}

}  // namespace
