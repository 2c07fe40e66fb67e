#pragma once
// The program's windows, each at most once, found by the name of its window class.
//
// Opening an open window restores it, brings it to the front and flashes it; opening a closed
// one creates it from its factory, shown normally, without owner. The registry owns what its
// factories made and frees each object once its window has been destroyed; a window created
// elsewhere (the main face) is only tracked.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/window.h"

namespace ui {

using WindowFactory = std::function<std::unique_ptr<Window>()>;

class WindowRegistry {
public:
    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void SetFactory(std::string_view className, WindowFactory factory);
    bool HasFactory(std::string_view className) const;

    // The open window of a class, or null.
    Window* Find(std::string_view className) const;
    // The window after opening or raising it; null when the class has no factory or its
    // window cannot be created. created tells which of the two happened.
    Window* Open(std::string_view className, bool* created = nullptr);
    // Tracks a window that its creator keeps owning; it is forgotten when it is destroyed. It
    // must not outlive the registry.
    void Track(Window& window);
    // Destroys the class's window if it is open.
    void Close(std::string_view className);

private:
    struct Entry {
        Window* window = nullptr;
        std::unique_ptr<Window> owned;
    };
    void Forget(const std::string& className, Window* window);

    std::map<std::string, WindowFactory, std::less<>> factories_;
    std::map<std::string, Entry, std::less<>> open_;
};

}  // namespace ui
