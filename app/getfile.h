#pragma once

#include <string>

// The characters of path after its last "/"; the whole path without one.
std::string GetFileName(const std::string &path);

// GetFileName's result up to its first "."; the whole name without one.
std::string GetBaseName(const std::string &path);
