#pragma once

#include "settings/settings.h"

#include <string>
#include <vector>

// The settings the PDF writer cannot use as given, each with what it uses
// instead, said in one sentence, so a front end can tell before a run.
// The empty page size and font name of a first start are the writer's
// defaults, not fallbacks.
class SettingsFallbacks {
public:
    static std::vector<std::string> describe(const Settings &settings);

private:
    static std::string pageSize(const std::string &name);
    static std::string font(const std::string &name);
};
