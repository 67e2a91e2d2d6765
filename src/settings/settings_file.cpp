#include "settings/settings_file.h"

#include "platform/application.h"
#include "settings/settings_path.h"

SettingsFile::SettingsFile() : file_(SettingsPathFor(App.ExeName())) {}
