// Objects gathered to go out together as one compressed object stream,
// which takes the small dictionaries of a document (a page object for every
// page) to a fraction of their plain size.
#ifndef TERVOLANPDF_OBJECTSTREAM_H
#define TERVOLANPDF_OBJECTSTREAM_H

#include <string>
#include <string_view>

namespace tervolanpdf {

class ObjectStream {
public:
    // Enough objects for zlib to find the repeats between page objects,
    // few enough that a reader parses little to reach one.
    static constexpr int kCapacity = 200;

    bool empty() const { return m_count == 0; }
    bool full() const { return m_count == kCapacity; }

    // Adds object number with its body; returns its index in the stream.
    int add(int number, std::string_view body);

    // The stream's dictionary entries (without Length and Filter).
    std::string entries() const;
    // The stream's data: the number-offset pairs, then the bodies.
    std::string data() const;

    void clear();

private:
    std::string m_offsets; // "number offset " pairs
    std::string m_bodies;
    int m_count = 0;
};

} // namespace tervolanpdf

#endif
