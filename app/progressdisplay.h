#pragma once

// Takes the job's progress as a whole number from 0 to 100.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void setValue(int value) = 0;
};
