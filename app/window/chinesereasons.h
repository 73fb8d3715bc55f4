#pragma once

#include "app/skipreason.h"
#include "settings/configproblem.h"

#include <QString>

// The window's wording of why an input was passed over or warned about, in
// Chinese; the command line keeps its English.
namespace ChineseReasons {

QString text(const SkipReason &reason);
QString text(const ReadFailure &failure);
QString text(const ConfigProblem &problem);
// The common error numbers in Chinese, any other as the system words it.
QString errorText(int errorNumber);

} // namespace ChineseReasons
