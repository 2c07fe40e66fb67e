#include "ui/window_registry.h"

namespace ui {

WindowRegistry::~WindowRegistry() {
    // Every entry is alive (each window forgets itself when it ends); without their callbacks
    // the owned ones can be destroyed here without calling back into a registry in its end.
    for (auto& [name, entry] : open_) entry.window->SetFinalCallback(nullptr);
    open_.clear();
}

void WindowRegistry::SetFactory(std::string_view className, WindowFactory factory) {
    factories_.insert_or_assign(std::string(className), std::move(factory));
}

bool WindowRegistry::HasFactory(std::string_view className) const {
    const auto it = factories_.find(className);
    return it != factories_.end() && it->second;
}

Window* WindowRegistry::Find(std::string_view className) const {
    const auto it = open_.find(className);
    return it != open_.end() && it->second.window && it->second.window->hwnd() ? it->second.window
                                                                               : nullptr;
}

Window* WindowRegistry::Open(std::string_view className, bool* created) {
    if (created) *created = false;
    if (Window* open = Find(className)) {
        BringToFront(open->hwnd());
        return open;
    }
    const auto factory = factories_.find(className);
    if (factory == factories_.end() || !factory->second) return nullptr;
    std::unique_ptr<Window> window = factory->second();
    if (!window) return nullptr;
    Window* raw = window.get();
    const std::string name(className);
    // Registered before creation, so that the window can be found while it is being created.
    open_.insert_or_assign(name, Entry{raw, std::move(window)});
    raw->SetFinalCallback([this, name, raw] { Forget(name, raw); });
    if (!raw->Create(SW_SHOWNORMAL)) {
        raw->SetFinalCallback(nullptr);
        open_.erase(name);
        return nullptr;
    }
    if (created) *created = true;
    return raw;
}

void WindowRegistry::Track(Window& window) {
    const std::string name = window.description().className;
    open_.insert_or_assign(name, Entry{&window, nullptr});
    window.SetFinalCallback([this, name, w = &window] { Forget(name, w); });
}

void WindowRegistry::Close(std::string_view className) {
    if (Window* open = Find(className)) DestroyWindow(open->hwnd());
}

void WindowRegistry::Forget(const std::string& className, Window* window) {
    const auto it = open_.find(className);
    // Erasing frees an owned object; this runs as the very last step of its window.
    if (it != open_.end() && it->second.window == window) open_.erase(it);
}

}  // namespace ui
