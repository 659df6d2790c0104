#include "planning/fuel_planner_results.h"

#include <algorithm>

#include "common/sorted_text_list.h"
#include "planning/report_line.h"

namespace kestro {

void BestPlanList::Clear() noexcept {
  lines_.clear();
  shownCosts_.clear();
  exactCosts_.clear();
}

BestPlanList::Added BestPlanList::Add(std::string line, double exactCostDollars) {
  if (std::find(lines_.begin(), lines_.end(), line) != lines_.end()) return {};
  const double shown = ResultLineCost(line).value_or(exactCostDollars);
  size_t place = 0;
  while (place < lines_.size() &&
         (shownCosts_[place] < shown ||
          (shownCosts_[place] == shown && !TextListLess(line, lines_[place])))) {
    ++place;
  }
  const auto at = static_cast<std::ptrdiff_t>(place);
  lines_.insert(lines_.begin() + at, std::move(line));
  shownCosts_.insert(shownCosts_.begin() + at, shown);
  exactCosts_.insert(exactCosts_.begin() + at, exactCostDollars);
  Added added{true, false};
  if (lines_.size() > Kept) {
    added.changed = place < Kept;
    added.overflowed = true;
    lines_.pop_back();
    shownCosts_.pop_back();
    exactCosts_.pop_back();
  }
  return added;
}

void BestPlanList::ShowOnly(std::string line) {
  Clear();
  lines_.push_back(std::move(line));
  shownCosts_.push_back(0);
  exactCosts_.push_back(0);
}

}  // namespace kestro
