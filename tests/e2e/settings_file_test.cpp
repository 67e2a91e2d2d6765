// The settings file on a real disk: atomic replacement, and refusal.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "platform/app_error.h"
#include "platform/cp1251.h"
#include "platform/win_byte_file.h"
#include "settings/ini_file.h"
#include "support/temp_folder.h"

TEST(SettingsFile, WriteReplacesTheFileAndLeavesNoTemporaryBehind) {
  TempFolder folder;
  const std::wstring path = folder.File(L"vistaro.ini");
  WriteBytes(path, "; kept\r\n[fMain]\r\nHole=1\r\n");
  WinByteFile file(path);
  IniFile(file).WriteInteger(key::Hole, 30);
  EXPECT_EQ(ReadBytes(path), "; kept\r\n[fMain]\r\nHole=30\r\n");

  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(folder.File(L"*.tmp").c_str(), &entry);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

namespace {

void ExpectWriteRefused(const std::wstring& path) {
  const std::string before = ReadBytes(path);
  WinByteFile file(path);
  try {
    IniFile(file).WriteInteger(key::Hole, 30);
    ADD_FAILURE() << "the write should have been refused";
  } catch (const AppError& e) {
    EXPECT_EQ(e.ClassName(), "EIniFileException");
    EXPECT_EQ(e.what(), "Unable to write to " + WideToUtf8(path));
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(IniFile(file).ReadInteger(key::Hole), 7);
}

// The folder the test runner made unwritable, as a Windows path; empty when there is none.
std::wstring ReadOnlyFolder() {
  const char* unixPath = std::getenv("VISTARO_READONLY_FOLDER");
  if (!unixPath) return {};
  std::wstring path = L"Z:" + Utf8ToWide(unixPath);
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

}  // namespace

TEST(SettingsFile, WriteIntoAReadOnlyFolderIsRefusedAndKeepsTheFile) {
  const std::wstring folder = ReadOnlyFolder();
  if (folder.empty()) GTEST_SKIP() << "no read-only folder was prepared";
  const std::wstring probe = folder + L"\\probe.tmp";
  HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
    DeleteFileW(probe.c_str());
    GTEST_SKIP() << "this file system lets the test runner write into any folder";
  }
  ExpectWriteRefused(folder + L"\\vistaro.ini");
}

TEST(SettingsFile, WriteToAReadOnlyFileIsRefusedAndKeepsIt) {
  TempFolder folder;
  const std::wstring path = folder.File(L"vistaro.ini");
  WriteBytes(path, "[fMain]\r\nHole=7\r\n");
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  ExpectWriteRefused(path);
}
