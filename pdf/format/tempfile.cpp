#include "pdf/format/tempfile.h"

#include "pdf/tervolanpdf-private.h"

namespace tervolanpdf {

TempFile::TempFile(std::string target) : m_file(std::move(target))
{
    if (!m_file.open())
        fail();
}

void TempFile::commit()
{
    if (!m_file.commit())
        fail();
}

std::string TempFile::folder() const
{
    return AtomicFile::folderOf(path());
}

void TempFile::fail()
{
    const std::string cause = errnoText(m_file.error());
    switch (m_file.failedStep()) {
    case AtomicFile::Step::Create:
        throw PdfError("cannot create a file in the folder \"" + AtomicFile::folderOf(target())
                       + "\": " + cause);
    case AtomicFile::Step::Replace: throw PdfError("cannot replace \"" + target() + "\": " + cause);
    default: throw PdfError("cannot write \"" + target() + "\": " + cause);
    }
}

} // namespace tervolanpdf
