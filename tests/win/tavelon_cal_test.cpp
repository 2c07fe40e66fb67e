// tavelon-cal.exe as a user runs it: Chinese arguments on its command line, results through a
// pipe or into a file, byte for byte what the commands print in-process, which is what the
// native build prints; and its console half, which writes UTF-16.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "cli/console_win.h"
#include "cli/tavelon_cal.h"
#include "tests/cli/run_cli.h"
#include "ui/text.h"
#include "ui/unique.h"

namespace {

// The build puts tavelon-cal.exe beside this test program.
std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"tavelon-cal.exe";
}

// An argument as the C runtime splits a command line again: in quotes, a quote escaped, and
// the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &read, nullptr) && read > 0)
        text.append(chunk, read);
    return text;
}

// Runs tavelon-cal.exe with the arguments given in UTF-8 (as UTF-16 on its command line).
// Its standard output goes to outFile when one is given, to a pipe read here otherwise.
CliRun RunProgram(const std::vector<std::string>& args, HANDLE outFile = nullptr) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    ui::UniqueHandle outRead, outWrite, errRead, errWrite;
    EXPECT_TRUE(CreatePipe(outRead.put(), outWrite.put(), &inherit, 0));
    EXPECT_TRUE(CreatePipe(errRead.put(), errWrite.put(), &inherit, 0));
    SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile ? outFile : outWrite.get();
    startup.hStdError = errWrite.get();
    std::wstring line = Quoted(ProgramPath());
    for (const std::string& arg : args) line += L" " + Quoted(ui::Widen(arg));

    CliRun run;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start tavelon-cal.exe, error " << GetLastError();
        return run;
    }
    ui::UniqueHandle processHandle(process.hProcess);
    ui::UniqueHandle threadHandle(process.hThread);
    // Only the child holds the write ends now, so each read ends when the child does.
    outWrite.reset();
    errWrite.reset();
    std::thread errReader([&] { run.err = ReadAll(errRead.get()); });
    run.out = ReadAll(outRead.get());
    errReader.join();
    WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(processHandle.get(), &status);
    run.status = static_cast<int>(status);
    return run;
}

void ExpectSameRun(const CliRun& program, const CliRun& inProcess) {
    EXPECT_EQ(program.status, inProcess.status);
    EXPECT_EQ(program.out, inProcess.out);
    EXPECT_EQ(program.err, inProcess.err);
}

TEST(TavelonCalProgram, TakesChineseArgumentsAndPipesUtf8) {
    const std::vector<std::string> cycle = {"cycle", "甲子", "--year", "2026"};
    const CliRun run = RunProgram(cycle);
    EXPECT_EQ(run.out, "1924年虚103岁  1984年虚43岁\n");
    ExpectSameRun(run, RunCli(cycle));

    // A moment with a blank inside stays one argument.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"cycle", "丙bǐng午wǔ", "--year", "2026"},
                                               {"festivals", "2020-10-01"},
                                               {"face", "alt", "--at", "2023-03-22 23:16:00"},
                                               {"lunar", "2023-闰02-01"},
                                               {"cycle", "甲丑", "--year", "2026"},
                                               {"terms", "1800"}}) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        ExpectSameRun(RunProgram(args), RunCli(args));
    }
}

TEST(TavelonCalProgram, WritesTheSweepToAFileAsTheNativeBytes) {
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path =
        std::wstring(folder) + L"tavelon-cal-sweep-" + std::to_wstring(GetCurrentProcessId());
    const std::vector<std::string> sweep = {"sweep", "2024-02-09", "2024-02-11"};
    CliRun run;
    {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        ui::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(file.get(), INVALID_HANDLE_VALUE);
        run = RunProgram(sweep, file.get());
    }
    ui::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    ASSERT_NE(file.get(), INVALID_HANDLE_VALUE);
    run.out = ReadAll(file.get());
    EXPECT_NE(run.out.find("\"festivals\":\"春节\""), std::string::npos) << run.out;
    ExpectSameRun(run, RunCli(sweep));
}

// A console screen of this process's own, whose characters are read back as UTF-16, with an
// output code page that has no Chinese.
class ConsoleOutput : public testing::Test {
protected:
    void SetUp() override {
        for (const DWORD id : kStandardIds) saved_.push_back(GetStdHandle(id));
        if (!OpenScreen()) {
            // Wine may give a process a console that has no screen; when none of the test
            // program's own streams goes to it, it can be swapped for a new one.
            DWORD mode = 0;
            bool streamsOnConsole = false;
            for (const HANDLE h : saved_) streamsOnConsole |= GetConsoleMode(h, &mode) != 0;
            if (!AllocConsole() && !streamsOnConsole && FreeConsole()) AllocConsole();
            ownConsole_ = OpenScreen();
            if (!ownConsole_) GTEST_SKIP() << "no console to write to";
        }
        savedPage_ = GetConsoleOutputCP();
        SetConsoleOutputCP(437);
    }
    void TearDown() override {
        if (savedPage_) SetConsoleOutputCP(savedPage_);
        screen_.reset();
        if (ownConsole_) FreeConsole();
        // The test program's own output keeps going where it went before.
        for (std::size_t i = 0; i < saved_.size(); ++i) SetStdHandle(kStandardIds[i], saved_[i]);
    }

    std::wstring FirstLine() {
        std::wstring text(80, L'\0');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen_.get(), text.data(), static_cast<DWORD>(text.size()),
                                    COORD{0, 0}, &read);
        text.resize(read);
        return text.substr(0, text.find_last_not_of(L' ') + 1);
    }

    ui::UniqueHandle screen_;

private:
    static constexpr DWORD kStandardIds[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};

    bool OpenScreen() {
        const HANDLE screen = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                        CONSOLE_TEXTMODE_BUFFER, nullptr);
        if (screen == INVALID_HANDLE_VALUE) return false;
        screen_.reset(screen);
        return true;
    }

    std::vector<HANDLE> saved_;
    bool ownConsole_ = false;
    UINT savedPage_ = 0;
};

// The characters land as written whatever the console's code page, also when a character's
// bytes are split between two writes.
TEST_F(ConsoleOutput, ShowsChineseAsWritten) {
    {
        cli::HandleStream out(screen_.get());
        const std::string text = "1924年虚103岁 甲jiǎ子zǐ";
        const std::size_t split = text.find("虚") + 1;
        out << text.substr(0, split) << std::flush << text.substr(split);
    }
    EXPECT_EQ(FirstLine(), L"1924年虚103岁 甲jiǎ子zǐ");
}

}  // namespace
