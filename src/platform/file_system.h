#pragma once

#include <windows.h>

#include <string>

// True only when a file, not a folder, exists at the path.
bool FileExists(const std::wstring& path);

// The file's whole content, read with sharing that lets other programs read it but not
// write it. Throws AppError "EFOpenError" ("Cannot open file "<full path>". <reason>")
// when it cannot be opened, "EReadError" when reading fails.
std::string LoadFileBytes(const std::wstring& path);

// Appends everything from the file's position to its end; false when a read fails, with
// what was read before it appended.
bool ReadToEnd(HANDLE file, std::string* bytes);

// The system's description of an error code, as messages quote it.
std::wstring SystemErrorMessage(unsigned long code);
