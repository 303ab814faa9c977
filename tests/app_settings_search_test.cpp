// The search page of the settings dialog: built-in services lock their
// values, custom unlocks them, and which events report a change.
#include <gtest/gtest.h>

#include "app/search_page_form.h"
#include "search/search_sources.h"

namespace mirevo::testing {
namespace {

SearchPageForm OpenedPage(int source, int encoding, std::string prefix, std::string postfix) {
  SearchPageForm page;
  std::tie(page.source, page.encoding, page.prefix, page.postfix) =
      std::tuple(source, encoding, prefix, postfix);
  page.Open();
  return page;
}

using Shown = std::tuple<int, int, std::optional<std::string>, std::optional<std::string>, bool>;

Shown ShownBy(const SearchPageForm& page) {
  return {page.SelectedSourceButton(), page.encoding, page.prefixBox, page.postfixBox,
          page.customEditable};
}

Shown Service(int index) {
  const SearchSource& service = BuiltInSearchSources()[index];
  return {index, service.encoding, std::string(service.prefix), std::string(service.postfix),
          false};
}

TEST(SearchPage, OpeningReappliesABuiltInServiceAndComplainsOfAnUnknownSource) {
  for (int service : {0, 1})
    EXPECT_EQ(ShownBy(OpenedPage(service, 2, "http://old/?q=", "&old")), Service(service));
  EXPECT_EQ(ShownBy(OpenedPage(2, 1, "http://mine/?s=", "")),
            Shown(2, 1, "http://mine/?s=", "", true));
  SearchPageForm page;
  page.source = 3;
  EXPECT_EQ(page.Open().message, kBadSearchSource);
  EXPECT_EQ(std::tuple(page.SelectedSourceButton(), page.customEditable), std::tuple(-1, true));
}

TEST(SearchPage, ButtonsReportOnlyARealChange) {
  SearchPageForm page = OpenedPage(1, 3, "", "");
  EXPECT_FALSE(page.ClickSource(1)) << "the chosen service again";
  EXPECT_TRUE(page.ClickSource(2));
  EXPECT_EQ(ShownBy(page), Shown(2, 3, std::string(BuiltInSearchSources()[1].prefix), "", true));
  EXPECT_TRUE(page.ChangeText(SearchBox::kPostfix, "&x"));
  EXPECT_FALSE(page.ClickSource(2));
  EXPECT_EQ(page.postfix, "&x");

  // Button clicked -> change reported, encoding after.
  const std::tuple<int, bool, int> encodings[] = {
      {3, false, 3}, {0, true, 0}, {2, true, 2}, {4, false, 2}};
  for (const auto& [clicked, changed, after] : encodings) {
    EXPECT_EQ(page.ClickEncoding(clicked), changed) << clicked;
    EXPECT_EQ(page.SelectedEncodingButton(), after) << clicked;
  }
  EXPECT_TRUE(page.ClickSource(0));
  EXPECT_EQ(ShownBy(page), Service(0));
}

}  // namespace
}  // namespace mirevo::testing
