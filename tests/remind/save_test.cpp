#include <gtest/gtest.h>

#include <map>

#include "remind/save.h"

namespace remind {
namespace {

// Files in memory. Each change is a numbered step; the step named by `failAt` fails the way
// Windows documents it can (a write that stops half-way, a replace that moved the old file
// away but not the new one in), and from `crashAt` on nothing happens any more, as when the
// power goes: that step and every later one are lost.
class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    int failAt = 0;
    bool replaceMovesAway = false;
    int crashAt = 0;
    int steps = 0;

    calendar::UserFile Read(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return {};
        if (it->second.size() > calendar::kMaxUserFileBytes)
            return {calendar::UserFileState::TooBig, {}};
        return {calendar::UserFileState::Read, it->second};
    }
    bool Exists(const std::string& path) override { return files.contains(path); }
    bool WriteFlushed(const std::string& path, std::string_view bytes) override {
        if (Lost()) return false;
        if (Fails()) {
            files[path] = std::string(bytes.substr(0, bytes.size() / 2));
            return false;
        }
        files[path] = std::string(bytes);
        return true;
    }
    ReplaceResult Replace(const std::string& target, const std::string& replacement,
                          const std::string& backup) override {
        if (Lost() || !files.contains(target) || !files.contains(replacement))
            return ReplaceResult::Failed;
        if (Fails()) {
            if (!replaceMovesAway) return ReplaceResult::Failed;
            files[backup] = files[target];
            files.erase(target);
            return ReplaceResult::TargetMovedAway;
        }
        files[backup] = files[target];
        files[target] = files[replacement];
        files.erase(replacement);
        return ReplaceResult::Replaced;
    }
    bool Move(const std::string& from, const std::string& to) override {
        if (Lost() || Fails() || !files.contains(from)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override { return !Lost() && files.erase(path) > 0; }

private:
    bool Lost() { return crashAt > 0 && ++steps >= crashAt; }
    bool Fails() { return failAt > 0 && (crashAt > 0 ? steps : ++steps) == failAt; }
};

constexpr const char* kPath = "C:\\Users\\李\\AppData\\Roaming\\Tavelon\\reminders.txt";
const std::string kOld = "公历01-01\t元旦\r\n";
const std::string kNew = "公历01-01\t元旦\r\n农历03-15\t妈妈生日\r\n";

// At every step, failed or lost, the file is the old one or the new one, whole; a save that
// says it saved left the new one with the old as the backup, one that says it failed left the
// old one; and no temporary file is left behind by a failure the program lived through.
TEST(SaveWhole, LeavesTheOldOrTheNewFileWholeWhereverItStops) {
    const std::string backup = BackupPathOf(kPath);
    EXPECT_EQ(backup, "C:\\Users\\李\\AppData\\Roaming\\Tavelon\\reminders.bak");
    int saved = 0, failed = 0;
    for (const bool existed : {true, false}) {
        for (int step = 1; step <= 4; ++step) {
            for (const int mode : {0, 1, 2}) {  // fail, fail moving the old file away, crash
                FakeFileSystem fs;
                if (existed) fs.files[kPath] = kOld;
                (mode == 2 ? fs.crashAt : fs.failAt) = step;
                fs.replaceMovesAway = mode == 1;
                const SaveResult result = SaveWhole(fs, kPath, backup, kNew);
                const std::string context = std::to_string(step) + " " + std::to_string(mode) +
                                            (existed ? " existed" : " new");
                if (!fs.files.contains(kPath)) {
                    EXPECT_FALSE(existed) << context;
                    EXPECT_NE(result, SaveResult::Saved) << context;
                    continue;
                }
                const std::string& now = fs.files[kPath];
                EXPECT_TRUE(now == kNew || (existed && now == kOld)) << context;
                if (mode == 2) continue;
                if (result == SaveResult::Saved) {
                    ++saved;
                    EXPECT_EQ(now, kNew) << context;
                    if (existed) {
                        EXPECT_EQ(fs.files[backup], kOld) << context;
                    }
                } else {
                    ++failed;
                    EXPECT_EQ(now, kOld) << context;
                }
                EXPECT_FALSE(fs.files.contains(std::string(kPath) + ".tmp")) << context;
            }
        }
    }
    EXPECT_GT(saved, 0);
    EXPECT_GT(failed, 0);
}

TEST(SaveWhole, NeverWritesATextOrOverAFileBeyondTheLimit) {
    const std::string huge(calendar::kMaxUserFileBytes + 1, '#');
    for (const bool hugeFile : {false, true}) {
        FakeFileSystem fs;
        fs.files[kPath] = hugeFile ? huge : kOld;
        EXPECT_EQ(SaveWhole(fs, kPath, BackupPathOf(kPath), hugeFile ? kNew : huge),
                  SaveResult::TooBig);
        EXPECT_EQ(fs.files.size(), 1u);
        EXPECT_EQ(fs.files[kPath], hugeFile ? huge : kOld);
    }
}

}  // namespace
}  // namespace remind
