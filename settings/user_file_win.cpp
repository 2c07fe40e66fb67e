#include <windows.h>

#include <string>

#include "settings/user_file.h"

namespace settings {

namespace {

std::wstring WideOf(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

}  // namespace

calendar::UserFile ReadUserFile(std::string_view utf8Path, std::uintmax_t limit) {
    using calendar::UserFileState;
    const std::wstring path = WideOf(utf8Path);
    if (path.empty()) return {};
    // Shared with writers too: an editor that keeps the file open must not make it unreadable.
    const Handle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                            error == ERROR_INVALID_NAME;
        return {absent ? UserFileState::Absent : UserFileState::Unreadable, {}};
    }
    // A pipe or a device would block a read, or never end.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return {UserFileState::Unreadable, {}};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return {UserFileState::Unreadable, {}};
    if (static_cast<unsigned long long>(size.QuadPart) > limit) return {UserFileState::TooBig, {}};
    // One byte past the limit tells a file that grew since its size was taken.
    calendar::UserFile result{UserFileState::Read,
                              std::string(static_cast<std::size_t>(limit) + 1, '\0')};
    std::size_t got = 0;
    while (got < result.text.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), result.text.data() + got,
                      static_cast<DWORD>(result.text.size() - got), &read, nullptr))
            return {UserFileState::Unreadable, {}};
        if (read == 0) break;
        got += read;
    }
    if (got > limit) return {UserFileState::TooBig, {}};
    result.text.resize(got);
    return result;
}

}  // namespace settings
