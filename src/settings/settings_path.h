#pragma once

#include <string>
#include <string_view>

// The settings file lies beside the executable and bears its name: the extension, from
// the last "." after the last "\" or ":", becomes ".ini"; a name without one gets ".ini".
std::wstring SettingsPathFor(std::wstring_view exePath);
