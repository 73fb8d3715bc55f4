#include "pdf/format/tempfile.h"

#include "pdf/tervolanpdf-private.h"

#include <cerrno>

namespace tervolanpdf {

TempFile::TempFile(std::string target) : m_file(std::move(target), AtomicFile::Links::Replace)
{
    if (!m_file.open())
        fail();
}

void TempFile::commit(bool keepExisting)
{
    if (!(keepExisting ? m_file.commitNew() : m_file.commit()))
        fail(keepExisting);
}

std::string TempFile::folder() const
{
    return AtomicFile::folderOf(path());
}

void TempFile::fail(bool keepExisting)
{
    const std::string cause = errnoText(m_file.error());
    if (keepExisting && m_file.failedStep() == AtomicFile::Step::Replace
        && m_file.error() == EEXIST)
        throw PdfOutputTaken("\"" + target() + "\" appeared while the document was written");
    switch (m_file.failedStep()) {
    case AtomicFile::Step::Create:
        throw PdfError("cannot create a file in the folder \"" + AtomicFile::folderOf(target())
                       + "\": " + cause);
    case AtomicFile::Step::Replace: throw PdfError("cannot replace \"" + target() + "\": " + cause);
    default: throw PdfError("cannot write \"" + target() + "\": " + cause);
    }
}

} // namespace tervolanpdf
