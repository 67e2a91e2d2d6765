#pragma once

#include <string>

// The text of the default error report: the message in UTF-16, with a full stop added when
// its last character sorts after "." ("Unable to write to C:\a.ini" gets one, "Done." and
// "Failed!" do not).
std::wstring ReportText(const std::string& utf8Message);
