#pragma once

#include <string>
#include <vector>

namespace kestro {

// The planner's results: the five cheapest plan lines, ordered by their cost as shown, then as
// text. (Text order alone would put "$1000.00" before "$ 999.99".)
class BestPlanList {
 public:
  static constexpr size_t Kept = 5;

  void Clear() noexcept;

  struct Added {
    bool changed = false;     // the line is now in the list
    bool overflowed = false;  // a sixth line was removed
  };
  // Adds the line unless the list holds it already; beyond five lines the most expensive goes.
  // exactCostDollars is the plan's cost before it was formatted.
  Added Add(std::string line, double exactCostDollars);

  // Replaces everything with one line that is not a plan ("No Solution").
  void ShowOnly(std::string line);

  [[nodiscard]] size_t size() const noexcept { return lines_.size(); }
  [[nodiscard]] bool empty() const noexcept { return lines_.empty(); }
  [[nodiscard]] const std::vector<std::string>& lines() const noexcept { return lines_; }
  // The cost read back from the line's text, as the acceptance threshold uses it.
  [[nodiscard]] double ShownCostAt(size_t index) const noexcept { return shownCosts_[index]; }
  [[nodiscard]] double ExactCostAt(size_t index) const noexcept { return exactCosts_[index]; }

 private:
  std::vector<std::string> lines_;
  std::vector<double> shownCosts_;
  std::vector<double> exactCosts_;
};

}  // namespace kestro
