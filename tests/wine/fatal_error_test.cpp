// The fatal run-time error, seen from outside: a function that cannot be bound shows one error box
// and, once it is dismissed, ends the process with exit code -1 without running the end hook. The
// failure runs in a child process of this test program, which the test watches and answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "platform/bindings.h"
#include "shell/toolkit/toolkit.h"
#include "tests/e2e/driver/process_windows.h"

namespace wine_tests {
namespace {

// Set only in the environment of the child.
constexpr wchar_t kLibraryVariable[] = L"VELMORA_TEST_BIND_LIBRARY";
constexpr wchar_t kFunctionVariable[] = L"VELMORA_TEST_BIND_FUNCTION";
constexpr wchar_t kMarkerVariable[] = L"VELMORA_TEST_END_HOOK_MARKER";

constexpr wchar_t kChildTest[] = L"ToolkitFatalErrorChild.DISABLED_BindingFailureEndsProcess";
constexpr DWORD kLimitMs = 30000;  // bounds a child that hangs; nothing measures the time

// The value of a variable of the child's environment; empty when it is not set.
std::string Variable(const wchar_t *name) {
  wchar_t wide[MAX_PATH] = {};
  char value[MAX_PATH] = {};
  if (GetEnvironmentVariableW(name, wide, MAX_PATH) < MAX_PATH) {
    WideCharToMultiByte(CP_ACP, 0, wide, -1, value, MAX_PATH, nullptr, nullptr);
  }
  return value;
}

// The end hook of the child: leaves a file where the parent looks for it.
void CreateMarker() {
  wchar_t path[MAX_PATH] = {};
  GetEnvironmentVariableW(kMarkerVariable, path, MAX_PATH);
  const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// Run only by the parent below, in a process of its own.
TEST(ToolkitFatalErrorChild, DISABLED_BindingFailureEndsProcess) {
  const std::string library = Variable(kLibraryVariable);
  const std::string function = Variable(kFunctionVariable);
  if (library.empty() || function.empty()) GTEST_SKIP() << "started by ToolkitFatalError only";
  shell::ToolkitStartup();
  shell::SetEndHook(&CreateMarker);
  platform::BindProcedure(library.c_str(), function.c_str());
  // Reached only if the failure was not fatal: the normal end then runs the hook.
  shell::FinishProgram();
}

// This process's environment with the child's own variables added.
std::wstring ChildEnvironment(const std::wstring &added) {
  std::wstring block;
  wchar_t *environment = GetEnvironmentStringsW();
  for (const wchar_t *entry = environment; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    block.append(entry).push_back(L'\0');
  }
  FreeEnvironmentStringsW(environment);
  return block + added + L'\0';
}

bool IsMessageBox(HWND window) {
  wchar_t window_class[16] = {};
  GetClassNameW(window, window_class, 16);
  return std::wcscmp(window_class, L"#32770") == 0;
}

std::vector<HWND> ErrorBoxesOf(DWORD process) {
  std::vector<HWND> boxes = e2e::TopLevelWindowsOf(process);
  std::erase_if(boxes, [](HWND window) { return !IsMessageBox(window); });
  return boxes;
}

struct Unbindable {
  const wchar_t *library;
  const wchar_t *function;
};

constexpr Unbindable kUnbindables[] = {
    {L"User32.dll", L"NoSuchFunction"},
    {L"NoSuchLibrary.dll", L"GetKeyState"},
};

TEST(ToolkitFatalError, UnbindableFunctionShowsOneBoxAndEndsWithMinusOne) {
  wchar_t program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
  wchar_t temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring marker =
      std::wstring(temp) + L"velmora-end-hook-" + std::to_wstring(GetCurrentProcessId());

  for (const Unbindable &unbindable : kUnbindables) {
    SCOPED_TRACE(unbindable.library);
    DeleteFileW(marker.c_str());
    std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_filter=" + kChildTest +
                           L" --gtest_also_run_disabled_tests";
    std::wstring environment = ChildEnvironment(
        std::wstring(kLibraryVariable) + L"=" + unbindable.library + L'\0' + kFunctionVariable +
        L"=" + unbindable.function + L'\0' + kMarkerVariable + L"=" + marker + L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(program, command.data(), nullptr, nullptr, FALSE,
                               CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                               &child));
    CloseHandle(child.hThread);

    std::vector<HWND> boxes;
    const DWORD start = GetTickCount();
    while ((boxes = ErrorBoxesOf(child.dwProcessId)).empty() && GetTickCount() - start < kLimitMs &&
           WaitForSingleObject(child.hProcess, 50) == WAIT_TIMEOUT) {
    }
    EXPECT_EQ(boxes.size(), 1u);
    if (!boxes.empty()) PostMessageW(boxes.back(), WM_COMMAND, IDOK, 0);

    const bool ended = WaitForSingleObject(child.hProcess, kLimitMs) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(child.hProcess, 0);
    DWORD exit_code = 0;
    GetExitCodeProcess(child.hProcess, &exit_code);
    CloseHandle(child.hProcess);
    EXPECT_TRUE(ended);
    EXPECT_EQ(exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(marker.c_str());
  }
}

}  // namespace
}  // namespace wine_tests
