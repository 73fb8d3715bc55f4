#include "settings/settings.h"

Settings &programSettings()
{
    static Settings record;
    return record;
}
