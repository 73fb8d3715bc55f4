#pragma once

#include "cli/batchinput.h"
#include "cli/conflictpolicy.h"
#include "cli/plannedoutput.h"

#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

// Gives every input of a batch its PDF name in input order, from the list
// and the files already there, before any converting starts: however many
// workers convert and whichever finishes first, the same inputs get the
// same names. Workers that each take a shard of one list plan the whole
// list, so they agree on the names too.
class OutputPlanner {
public:
    struct Rules {
        std::string folderText; // the output folder, ending in "/"
        ConflictPolicy onConflict = ConflictPolicy::Overwrite;
        bool keepTree = false;
        bool update = false;
    };

    // Inputs that the last plan lets write one PDF in turn, so that only
    // the last one's stays: indexes into the inputs, in input order.
    using SharedName = std::vector<size_t>;

    explicit OutputPlanner(Rules rules);
    std::vector<PlannedOutput> plan(const std::vector<BatchInput> &inputs);
    // Empty but under the overwrite policy, where nothing else keeps them
    // apart; the names in order of their first input.
    const std::vector<SharedName> &sharedNames() const { return m_sharedNames; }

    // Under the rename policy, the base input goes to now that another
    // writer took its planned name while it was converted: the first
    // numbered name that no input has and no file holds. Workers may ask
    // at the same time.
    std::string renamedAfterRace(const BatchInput &input);

private:
    std::string stemOf(const BatchInput &input) const;
    PlannedOutput planOne(const BatchInput &input);
    PlannedOutput planSkipping(const BatchInput &input, const std::string &stem);
    PlannedOutput planRenaming(const BatchInput &input, const std::string &stem);
    PlannedOutput upToDateOr(const BatchInput &input, std::string base,
                             PlannedOutput::Action otherwise) const;
    void findSharedNames(const std::vector<PlannedOutput> &planned);

    Rules m_rules;
    std::mutex m_claiming;
    std::unordered_set<std::string> m_claimed;
    std::vector<SharedName> m_sharedNames;
};
