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

bool isBefore(const timespec &earlier, const timespec &later)
{
    if (earlier.tv_sec != later.tv_sec)
        return earlier.tv_sec < later.tv_sec;
    return earlier.tv_nsec < later.tv_nsec;
}

// As cp -u and make judge it: a PDF made in the same clock tick as its
// input counts as made from it, so a resumed run never redoes it. An input
// dated after its last change (the change time, which no one can set: a
// date in the future from touch or an archive) is judged by that change,
// or no PDF would ever be as new and each run would redo it, under rename
// into yet another name.
bool isAtLeastAsNew(const std::string &pdf, const std::string &input)
{
    struct stat output;
    struct stat source;
    if (stat(pdf.c_str(), &output) != 0 || stat(input.c_str(), &source) != 0)
        return false;
    const timespec changed
        = isBefore(source.st_ctim, source.st_mtim) ? source.st_ctim : source.st_mtim;
    return !isBefore(output.st_mtim, changed);
}

std::string numbered(const std::string &stem, long long number)
{
    return number == 1 ? stem : stem + " (" + std::to_string(number) + ")";
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

std::string OutputPlanner::stemOf(const BatchInput &input) const
{
    std::string stem = m_rules.folderText;
    if (m_rules.keepTree)
        stem += input.treeFolder();
    return stem + GetBaseName(input.path);
}

PlannedOutput OutputPlanner::planOne(const BatchInput &input)
{
    const std::string stem = stemOf(input);
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
        std::string base = numbered(stem, number);
        if (m_claimed.count(base))
            continue;
        const bool taken = exists(base + ".pdf");
        if (taken && !(m_rules.update && isAtLeastAsNew(base + ".pdf", input.path)))
            continue;
        m_claimed.insert(base);
        return {base, taken ? PlannedOutput::Action::SkipUpToDate : PlannedOutput::Action::Convert};
    }
}

std::string OutputPlanner::renamedAfterRace(const BatchInput &input)
{
    const std::lock_guard lock(m_claiming);
    const std::string stem = stemOf(input);
    for (long long number = 2;; ++number) {
        std::string base = numbered(stem, number);
        if (!exists(base + ".pdf") && m_claimed.insert(base).second)
            return base;
    }
}

PlannedOutput OutputPlanner::upToDateOr(const BatchInput &input, std::string base,
                                        PlannedOutput::Action otherwise) const
{
    const bool upToDate = m_rules.update && isAtLeastAsNew(base + ".pdf", input.path);
    return {std::move(base), upToDate ? PlannedOutput::Action::SkipUpToDate : otherwise};
}
