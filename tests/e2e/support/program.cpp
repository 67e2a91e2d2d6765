#include "support/program.h"

#include <stdexcept>
#include <thread>

namespace {

std::wstring FolderOfThisExe() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[256];
  if (owner == search->processId && GetClassNameW(window, className, 256) &&
      wcscmp(className, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

Program::Program(const std::wstring& folder) {
  const std::wstring exe = folder + L"\\" + kExeName;
  if (!CopyFileW((FolderOfThisExe() + L"\\" + kExeName).c_str(), exe.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy the program into the test folder");
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start the program");
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

Program::~Program() {
  if (!WaitForExit(std::chrono::milliseconds(0))) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND Program::FindWindowOfClass(const wchar_t* className) const {
  WindowSearch search{processId_, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) const {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindWindowOfClass(className)) != nullptr; }, timeout);
  return window;
}

bool Program::WaitForExit(std::chrono::milliseconds timeout, DWORD* exitCode) const {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return false;
  }
  if (exitCode) GetExitCodeProcess(process_.get(), exitCode);
  return true;
}
