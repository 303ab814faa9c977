#include "search/search_sources.h"

namespace mirevo {

const std::array<SearchSource, 2>& BuiltInSearchSources() {
  static const std::array<SearchSource, 2> sources{{
      {"贪婪大陆", "http://bt.greedland.net/i.g?k=", "&c=gs_all", kNoEncoding},
      {"极影", "http://bt.ktxp.com/search.php?act=result&keyword=", "", kUtf8Encoding},
  }};
  return sources;
}

}  // namespace mirevo
