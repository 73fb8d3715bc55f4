#pragma once

#include "settings/settings.h"

#include <filesystem>
#include <string>

// The folder that holds the running executable.
std::filesystem::path programFolder();
// config.ini beside the executable.
std::filesystem::path configIniPath();

// Reads the seven items of a config.ini into the record, in field order.
// Fields after the end of a short file keep their values. Returns false
// when the file is missing or cannot be read as a file.
bool readConfigFile(Settings &settings, const std::filesystem::path &file);

// The start-up load: reads the file if it can, then forces FontName to
// "宋体" and CharsPerLine to 30 whatever it held.
void LoadSettings(Settings &settings, const std::filesystem::path &file);

// The seven CR LF lines of config.ini, GB18030 encoded.
std::string formatConfig(const Settings &settings);

// Writes config.ini through a temporary file renamed over the old one, so a
// failed save leaves the old file as it was. Returns false on failure.
bool SaveSettings(const Settings &settings, const std::filesystem::path &file);
