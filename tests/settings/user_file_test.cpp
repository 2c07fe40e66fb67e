#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "settings/user_file.h"

namespace settings {
namespace {

namespace fs = std::filesystem;
using calendar::UserFileState;

#ifndef _WIN32
// The Windows reading is tested under Wine with the windows' tests.
// What the command line meets when a user names a file: none, a folder, a FIFO (which must not
// hang the command), a file that reports no size (/proc), and files on both sides of the limit.
TEST(ReadUserFile, NamesWhatItFindsWithoutBlockingOrReadingPastTheLimit) {
    const fs::path folder = fs::temp_directory_path() / "tavelon-user-file 假日";
    fs::create_directories(folder);
    const fs::path file = folder / "假日.txt";
    const fs::path fifo = folder / "fifo";
    std::ofstream(file, std::ios::binary) << std::string(100, '#');
    mkfifo(fifo.c_str(), 0600);

    EXPECT_EQ(ReadUserFile((folder / "none.txt").string()).state, UserFileState::Absent);
    EXPECT_EQ(ReadUserFile("").state, UserFileState::Absent);
    EXPECT_EQ(ReadUserFile(folder.string()).state, UserFileState::Unreadable);
    EXPECT_EQ(ReadUserFile(fifo.string()).state, UserFileState::Unreadable);
    EXPECT_EQ(ReadUserFile(file.string(), 100).text, std::string(100, '#'));
    EXPECT_EQ(ReadUserFile(file.string(), 99).state, UserFileState::TooBig);
    const calendar::UserFile proc = ReadUserFile("/proc/self/status", 10);
    EXPECT_EQ(proc.state, UserFileState::TooBig);
    EXPECT_TRUE(proc.text.empty());
    EXPECT_EQ(ReadUserFile("/proc/self/status").state, UserFileState::Read);
    fs::remove_all(folder);
}
#endif

}  // namespace
}  // namespace settings
