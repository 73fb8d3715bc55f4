#pragma once

#include <string>

// An ordered list of input paths: the window's list box, the command line's
// queue, or a test's vector.
// An entry is the path's bytes as the file system names them, which need not
// be UTF-8 (GBK names from archives made on Windows).
class PathList {
public:
    virtual ~PathList() = default;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual void removeEntry(int index) = 0;
    virtual void append(const std::string &path) = 0;
};
