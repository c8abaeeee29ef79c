#pragma once
// The start-up checks read from the registry.
#include <string>

#include "platform/registry/registry_file.h"

namespace registry {

constexpr const char* HKEY_CLASSES_ROOT = "HKEY_CLASSES_ROOT";
constexpr const char* HKEY_LOCAL_MACHINE = "HKEY_LOCAL_MACHINE";

// The value's text when it is a plain string; empty in every other case.
std::string ReadRegString(const RegistryFile& reg, const std::string& root, const std::string& subkey,
                          const std::string& name);

// "97", "2000", "XP", "2003", "2007", "2010" or "" from the word processor's CurVer.
std::string GetOfficeVersion(const RegistryFile& reg);

// The equation editor of version 6.5 or later is installed.
bool HasMathType(const RegistryFile& reg);

}  // namespace registry
