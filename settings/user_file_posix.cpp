// The reader on systems other than Windows (settings/user_file_win.cpp there).
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "settings/user_file.h"

namespace settings {

calendar::UserFile ReadUserFile(std::string_view utf8Path, std::uintmax_t limit) {
    using calendar::UserFileState;
    const std::string path(utf8Path);
    if (path.empty()) return {};
    // Non-blocking, so that a FIFO opens at once; it is then refused as no regular file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {
            errno == ENOENT || errno == ENOTDIR ? UserFileState::Absent : UserFileState::Unreadable,
            {}};
    calendar::UserFile file{UserFileState::Unreadable, {}};
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        if (static_cast<std::uintmax_t>(info.st_size) > limit) {
            file.state = UserFileState::TooBig;
        } else {
            // One byte past the limit tells a file that grew since its size was taken.
            file.text.resize(static_cast<std::size_t>(limit) + 1);
            std::size_t got = 0;
            ssize_t n = 0;
            while (got < file.text.size() &&
                   ((n = read(fd, file.text.data() + got, file.text.size() - got)) > 0 ||
                    (n < 0 && errno == EINTR)))
                got += n > 0 ? static_cast<std::size_t>(n) : 0;
            file.text.resize(got);
            if (n < 0) {
                file.text.clear();
            } else {
                file.state = got > limit ? UserFileState::TooBig : UserFileState::Read;
                if (got > limit) file.text.clear();
            }
        }
    }
    close(fd);
    return file;
}

}  // namespace settings
#endif
