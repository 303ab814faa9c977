// The search page of the settings dialog: built-in services lock their
// values, custom unlocks them, and which events report a change.
#include <gtest/gtest.h>

#include "app/search_page_form.h"
#include "search/search_sources.h"

namespace mirevo::testing {
namespace {

const SearchSource& Service(int index) {
  return BuiltInSearchSources()[index];
}

// The page as the settings dialog makes it: values in, then the window.
SearchPageForm OpenedPage(int source, int encoding, std::string prefix, std::string postfix) {
  SearchPageForm page;
  std::tie(page.source, page.encoding, page.prefix, page.postfix) =
      std::tuple(source, encoding, prefix, postfix);
  page.Open();
  return page;
}

auto Shown(const SearchPageForm& page) {
  return std::tuple(page.SelectedSourceButton(), page.encoding, page.prefixBox, page.postfixBox,
                    page.customEditable);
}

TEST(SearchPage, OpeningReappliesABuiltInServiceAndComplainsOfAnUnknownSource) {
  for (int service : {0, 1}) {
    SearchPageForm page;
    std::tie(page.source, page.encoding, page.prefix, page.postfix) =
        std::tuple(service, 2, "http://old/?q=", "&old");
    SearchPageForm::Opened opened = page.Open();
    EXPECT_TRUE(opened.changed);
    EXPECT_FALSE(opened.message);
    EXPECT_EQ(Shown(page),
              std::tuple(service, Service(service).encoding, std::string(Service(service).prefix),
                         std::string(Service(service).postfix), false));
    page.ReadControls();
    EXPECT_EQ(page.prefix, std::string(Service(service).prefix));
  }

  SearchPageForm custom = OpenedPage(2, 1, "http://mine/?s=", "");
  EXPECT_EQ(Shown(custom), std::tuple(2, 1, "http://mine/?s=", "", true));

  for (int bad : {3, -1}) {
    SearchPageForm page;
    std::tie(page.source, page.prefix, page.postfix) = std::tuple(bad, "", "");
    SearchPageForm::Opened opened = page.Open();
    EXPECT_EQ(opened.message, kBadSearchSource);
    EXPECT_FALSE(opened.changed) << "nothing written into the empty boxes";
    EXPECT_EQ(std::tuple(page.SelectedSourceButton(), page.customEditable), std::tuple(-1, true));
    EXPECT_TRUE(page.ClickSource(1)) << "the user picks a source";
    EXPECT_EQ(page.SelectedSourceButton(), 1);
  }
}

TEST(SearchPage, SourceButtonsReportOnlyARealChange) {
  SearchPageForm page = OpenedPage(1, 3, "", "");
  EXPECT_FALSE(page.ClickSource(1)) << "the chosen service again";
  // The second service to custom: its values stay, now editable.
  EXPECT_TRUE(page.ClickSource(2));
  EXPECT_EQ(Shown(page), std::tuple(2, 3, std::string(Service(1).prefix), "", true));
  EXPECT_FALSE(page.ClickSource(2));

  EXPECT_TRUE(page.ChangeText(SearchBox::kPrefix, "http://mine/?s="));
  EXPECT_TRUE(page.ChangeText(SearchBox::kPostfix, "&x"));
  EXPECT_FALSE(page.ClickSource(2)) << "reads the boxes, writes nothing back";
  EXPECT_EQ(std::tie(page.prefix, page.postfix), std::tuple("http://mine/?s=", "&x"));

  // A built-in service overwrites a custom address, which is then lost.
  EXPECT_TRUE(page.ClickSource(0));
  EXPECT_EQ(Shown(page), std::tuple(0, 0, std::string(Service(0).prefix),
                                    std::string(Service(0).postfix), false));
  EXPECT_TRUE(page.ClickSource(2));
  EXPECT_EQ(page.prefixBox, std::string(Service(0).prefix));
}

TEST(SearchPage, EncodingButtonsByIndex) {
  // Encoding held, button clicked -> change reported, encoding after.
  const std::tuple<int, int, bool, int> cases[] = {
      {0, 0, false, 0}, {0, 3, true, 3}, {3, 1, true, 1},  {1, 2, true, 2},
      {2, 2, false, 2}, {7, 0, true, 0}, {0, 4, false, 0}, {0, -1, false, 0},
  };
  for (const auto& [held, clicked, changed, after] : cases) {
    SearchPageForm page = OpenedPage(2, held, "", "");
    EXPECT_EQ(page.ClickEncoding(clicked), changed) << held << "->" << clicked;
    EXPECT_EQ(page.encoding, after) << held << "->" << clicked;
    EXPECT_EQ(page.SelectedEncodingButton(), after < 4 ? after : -1);
  }
  EXPECT_EQ(OpenedPage(2, 7, "", "").SelectedEncodingButton(), -1);
}

}  // namespace
}  // namespace mirevo::testing
