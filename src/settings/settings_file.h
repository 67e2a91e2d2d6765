#pragma once

#include "platform/win_byte_file.h"
#include "settings/ini_file.h"

// The program's settings file, beside the executable and named after it, opened for one
// operation: nothing is kept between operations.
class SettingsFile {
 public:
  SettingsFile();
  IniFile& Ini() { return ini_; }

 private:
  WinByteFile file_;
  IniFile ini_{file_};
};
