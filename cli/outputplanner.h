#pragma once

#include "cli/batchinput.h"
#include "cli/conflictpolicy.h"
#include "cli/plannedoutput.h"

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

    explicit OutputPlanner(Rules rules);
    std::vector<PlannedOutput> plan(const std::vector<BatchInput> &inputs);

private:
    PlannedOutput planOne(const BatchInput &input);
    PlannedOutput planSkipping(const BatchInput &input, const std::string &stem);
    PlannedOutput planRenaming(const BatchInput &input, const std::string &stem);
    PlannedOutput upToDateOr(const BatchInput &input, std::string base,
                             PlannedOutput::Action otherwise) const;

    Rules m_rules;
    std::unordered_set<std::string> m_claimed;
};
