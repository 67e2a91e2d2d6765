#include "settings/settings_path.h"

#include <gtest/gtest.h>

TEST(SettingsPath, ExtensionOfTheExecutableBecomesIni) {
  const struct {
    const wchar_t* exe;
    const wchar_t* ini;
  } cases[] = {
      {L"C:\\Program Files\\app\\vistaro.exe", L"C:\\Program Files\\app\\vistaro.ini"},
      {L"C:\\app\\vistaro", L"C:\\app\\vistaro.ini"},            // no extension: appended
      {L"C:\\my.app\\vistaro", L"C:\\my.app\\vistaro.ini"},      // a dot in the folder is not one
      {L"C:\\app\\vistaro.tar.exe", L"C:\\app\\vistaro.tar.ini"},  // only the last extension
      {L"C:vistaro.exe", L"C:vistaro.ini"},
      {L"C:vistaro", L"C:vistaro.ini"},
      {L"C:\\app\\.exe", L"C:\\app\\.ini"},
      {L"C:\\app\\vistaro.", L"C:\\app\\vistaro.ini"},
      {L"\\\\server\\share\\Вистаро.exe", L"\\\\server\\share\\Вистаро.ini"},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsPathFor(c.exe), c.ini);
}
