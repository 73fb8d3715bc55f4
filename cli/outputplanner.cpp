#include "cli/outputplanner.h"

#include "app/getfile.h"

#include <sys/stat.h>

#include <algorithm>

namespace {

bool exists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// As cp -u and make judge it: a PDF made in the same clock tick as its
// input counts as made from it, so a resumed run never redoes it.
bool isAtLeastAsNew(const std::string &pdf, const std::string &input)
{
    struct stat output;
    struct stat source;
    if (stat(pdf.c_str(), &output) != 0 || stat(input.c_str(), &source) != 0)
        return false;
    if (output.st_mtim.tv_sec != source.st_mtim.tv_sec)
        return output.st_mtim.tv_sec > source.st_mtim.tv_sec;
    return output.st_mtim.tv_nsec >= source.st_mtim.tv_nsec;
}

} // namespace

OutputPlanner::OutputPlanner(Rules rules) : m_rules(std::move(rules)) {}

std::vector<PlannedOutput> OutputPlanner::plan(const std::vector<BatchInput> &inputs)
{
    m_claimed.clear();
    std::vector<PlannedOutput> planned;
    planned.reserve(inputs.size());
    for (const BatchInput &input : inputs)
        planned.push_back(planOne(input));
    findSharedNames(planned);
    return planned;
}

// Only inputs that are converted count: one passed over by --update
// writes nothing. The indexes are sorted by name rather than gathered in a
// map, which for a list of a million paths cost more than the list itself.
void OutputPlanner::findSharedNames(const std::vector<PlannedOutput> &planned)
{
    m_sharedNames.clear();
    if (m_rules.onConflict != ConflictPolicy::Overwrite)
        return;
    std::vector<size_t> byName;
    for (size_t index = 0; index < planned.size(); ++index) {
        if (planned[index].action == PlannedOutput::Action::Convert)
            byName.push_back(index);
    }
    std::sort(byName.begin(), byName.end(), [&](size_t a, size_t b) {
        const int order = planned[a].base.compare(planned[b].base);
        return order < 0 || (order == 0 && a < b);
    });
    for (auto first = byName.begin(); first != byName.end();) {
        const auto end = std::find_if(first, byName.end(), [&](size_t index) {
            return planned[index].base != planned[*first].base;
        });
        if (end - first > 1)
            m_sharedNames.emplace_back(first, end);
        first = end;
    }
    std::sort(m_sharedNames.begin(), m_sharedNames.end(),
              [](const SharedName &a, const SharedName &b) { return a.front() < b.front(); });
}

PlannedOutput OutputPlanner::planOne(const BatchInput &input)
{
    std::string stem = m_rules.folderText;
    if (m_rules.keepTree)
        stem += input.treeFolder();
    stem += GetBaseName(input.path);
    switch (m_rules.onConflict) {
    case ConflictPolicy::Skip: return planSkipping(input, stem);
    case ConflictPolicy::Rename: return planRenaming(input, stem);
    case ConflictPolicy::Overwrite: break;
    }
    if (m_rules.update)
        return upToDateOr(input, stem, PlannedOutput::Action::Convert);
    return {stem, PlannedOutput::Action::Convert};
}

// The first input of a name has it, unless a file is there already.
PlannedOutput OutputPlanner::planSkipping(const BatchInput &input, const std::string &stem)
{
    if (!m_claimed.insert(stem).second)
        return {stem, PlannedOutput::Action::SkipTaken};
    if (!exists(stem + ".pdf"))
        return {stem, PlannedOutput::Action::Convert};
    return upToDateOr(input, stem, PlannedOutput::Action::SkipTaken);
}

// The first name of "x", "x (2)", "x (3)", ... that no earlier input has
// and no file holds; with --update a file there that is at least as new as
// the input is taken to be its PDF from an earlier run, so a resumed run
// finds the names it gave before.
PlannedOutput OutputPlanner::planRenaming(const BatchInput &input, const std::string &stem)
{
    for (long long number = 1;; ++number) {
        std::string base = number == 1 ? stem : stem + " (" + std::to_string(number) + ")";
        if (m_claimed.count(base))
            continue;
        const bool taken = exists(base + ".pdf");
        if (taken && !(m_rules.update && isAtLeastAsNew(base + ".pdf", input.path)))
            continue;
        m_claimed.insert(base);
        return {base, taken ? PlannedOutput::Action::SkipUpToDate : PlannedOutput::Action::Convert};
    }
}

PlannedOutput OutputPlanner::upToDateOr(const BatchInput &input, std::string base,
                                        PlannedOutput::Action otherwise) const
{
    const bool upToDate = m_rules.update && isAtLeastAsNew(base + ".pdf", input.path);
    return {std::move(base), upToDate ? PlannedOutput::Action::SkipUpToDate : otherwise};
}
