#include "cli/reportpathcheck.h"

#include <sys/stat.h>

namespace {

std::string fileName(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::filesystem::path canonical(const std::string &path)
{
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
}

} // namespace

ReportPathCheck::ReportPathCheck(const std::string &report)
    : m_report(report)
    , m_name(fileName(report))
    , m_canonical(canonical(report))
{
    struct stat info;
    if (stat(report.c_str(), &info) == 0)
        m_identity = std::pair{info.st_dev, info.st_ino};
}

std::string ReportPathCheck::problem(const CommandLineOptions &options,
                                     const std::vector<BatchInput> &inputs,
                                     const std::vector<PlannedOutput> &planned) const
{
    for (const std::string &list : options.filesFrom) {
        if (list != CommandLineOptions::StandardInput && isReport(list, /*byIdentity*/ true))
            return refusal("the list of paths " + list);
    }
    for (size_t index = 0; index < inputs.size(); ++index) {
        const std::string &input = inputs[index].path;
        const bool mine = !options.shard || options.shard->holds(input);
        if (isReport(input, mine))
            return refusal("the input " + input);
        if (planned[index].action == PlannedOutput::Action::Convert
            && isReport(planned[index].pdfPath(), mine))
            return refusal("the PDF of " + input);
    }
    return {};
}

// Names are compared first, so only a likely match costs a walk up its
// folders.
bool ReportPathCheck::isReport(const std::string &path, bool byIdentity) const
{
    struct stat info;
    if (byIdentity && m_identity && stat(path.c_str(), &info) == 0
        && std::pair{info.st_dev, info.st_ino} == *m_identity)
        return true;
    return fileName(path) == m_name && canonical(path) == m_canonical;
}

std::string ReportPathCheck::refusal(const std::string &what) const
{
    return "--report " + m_report + " is " + what
        + ", which writing the report would destroy; give the report another name";
}
