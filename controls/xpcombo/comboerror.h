#pragma once

#include <stdexcept>

// An error of the inner list box (a selection or position that does not
// exist). The combo does not swallow it: it reaches whoever called the
// property or method, the way the list box itself would report it.
class ComboError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};
