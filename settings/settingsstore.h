#pragma once

#include "settings/configproblem.h"
#include "settings/settings.h"

#include <filesystem>
#include <string>
#include <vector>

// Characters per line for Chinese texts, and for English ones, whose
// letters are half as wide.
constexpr int ChineseCharsPerLine = 30;
constexpr int EnglishCharsPerLine = 60;

// The folder that holds the running executable.
std::filesystem::path programFolder();

// The per-user folder for config.ini: $XDG_CONFIG_HOME/tervolan when that is
// an absolute path, else HOME/.config/tervolan. Empty texts stand for unset
// variables.
std::filesystem::path userConfigFolder(const std::string &xdgConfigHome, const std::string &home);

// Where config.ini lives, from the facts about the program folder: beside
// the executable when that folder already holds one or can be written,
// else in the per-user folder. An installed program sits in a folder the
// user cannot write, and saving there would lose every setting silently.
std::filesystem::path chooseConfigIni(const std::filesystem::path &programFolder,
                                      bool holdsConfigIni, bool writable,
                                      const std::filesystem::path &userFolder);

// chooseConfigIni with the facts read from the file system.
std::filesystem::path configIniPathFor(const std::filesystem::path &programFolder,
                                       const std::filesystem::path &userFolder);

// config.ini for this process: the program folder of the executable and the
// per-user folder of its environment.
std::filesystem::path configIniPath();

// Reads the seven items of a config.ini into the record, in field order.
// Fields after the end of a short file keep their values; a number that is
// no 16-bit one reads as 0. A byte-order mark names the file's encoding, else
// it is GB18030. Returns false when the file is missing or cannot be read
// as a file. What was left out, but for a missing file (a first start),
// is added to problems when given.
bool readConfigFile(Settings &settings, const std::filesystem::path &file,
                    std::vector<ConfigProblem> *problems = nullptr);

// The start-up load: reads the file if it can, then forces FontName to
// "宋体" and CharsPerLine to ChineseCharsPerLine whatever it held. Returns
// what was left out, for the person to be told once.
std::vector<ConfigProblem> LoadSettings(Settings &settings, const std::filesystem::path &file);

// The seven CR LF lines of config.ini, GB18030 encoded; UTF-8 with a
// byte-order mark when a text holds a character GB18030 cannot carry.
std::string formatConfig(const Settings &settings);

// Writes config.ini through a temporary file renamed over the old one, so a
// failed save leaves the old file as it was. Creates the file's folder when
// it is missing (the per-user folder on a first save). Returns false on
// failure, with its errno in errorNumber when given.
bool SaveSettings(const Settings &settings, const std::filesystem::path &file,
                  int *errorNumber = nullptr);
