#include "skin/definition/SkinFindings.h"

#include <algorithm>
#include <utility>

void TSkinFindings::Add(TSkinFindingKind Kind, std::string Where, std::string Text,
                        std::string Brief) {
  FItems.push_back({Kind, std::move(Where), std::move(Text), std::move(Brief)});
}

void TSkinFindings::Add(TSkinFinding Finding) {
  FItems.push_back(std::move(Finding));
}

namespace {

std::string LineOf(const TSkinFinding& F) {
  return F.Where.empty() ? F.Text : F.Where + ": " + F.Text;
}

std::string BriefOf(const TSkinFinding& F) {
  if (!F.Brief.empty()) return F.Brief;
  std::string line = LineOf(F);
  if (!line.empty() && line.back() == '.') line.pop_back();
  return line;
}

}  // namespace

std::string TSkinFindings::Summary() const {
  if (FItems.empty()) return {};
  // The same problem met under several keys is named once.
  std::vector<std::string> briefs;
  for (const TSkinFinding& f : FItems) {
    std::string brief = BriefOf(f);
    if (std::find(briefs.begin(), briefs.end(), brief) == briefs.end())
      briefs.push_back(std::move(brief));
  }
  std::string out =
      std::to_string(FItems.size()) + (FItems.size() == 1 ? " problem: " : " problems: ");
  const std::size_t named = briefs.size() <= kSummaryItems + 1 ? briefs.size() : kSummaryItems;
  for (std::size_t i = 0; i < named; ++i) out += (i ? ", " : "") + briefs[i];
  if (named < briefs.size()) out += " and " + std::to_string(briefs.size() - named) + " more";
  return out;
}

std::vector<std::string> TSkinFindings::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(FItems.size());
  for (const TSkinFinding& f : FItems) lines.push_back(LineOf(f));
  return lines;
}
