#include "data/airport_database.h"

namespace kestro {

void SplitTabs(std::string_view text, std::vector<std::string>& fields) {
  fields.clear();
  if (text.empty()) return;
  size_t start = 0;
  while (true) {
    const size_t tab = text.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.emplace_back(text.substr(start));
      return;
    }
    fields.emplace_back(text.substr(start, tab - start));
    start = tab + 1;
  }
}

}  // namespace kestro
