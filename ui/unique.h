#pragma once
// One move-only owner for every kind of handle the program holds. Child controls are not
// wrapped: they die with their parent window.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace ui {

template <class H, auto Close>
class Unique {
    H h_{};

public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    Unique& operator=(Unique&& o) noexcept {
        reset(std::exchange(o.h_, H{}));
        return *this;
    }
    ~Unique() { reset(); }
    void reset(H h = {}) {
        if (h_) Close(h_);
        h_ = h;
    }
    H release() { return std::exchange(h_, H{}); }
    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
};

namespace detail {
// DeleteObject takes HGDIOBJ; a typed wrapper keeps each alias's handle type exact.
template <class T>
inline void DeleteGdi(T h) {
    ::DeleteObject(h);
}
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void ReleaseCom(IUnknown* p) { p->Release(); }
}  // namespace detail

using UniqueKey = Unique<HKEY, &::RegCloseKey>;
using UniqueFont = Unique<HFONT, &detail::DeleteGdi<HFONT>>;
using UniqueBrush = Unique<HBRUSH, &detail::DeleteGdi<HBRUSH>>;
using UniqueBitmap = Unique<HBITMAP, &detail::DeleteGdi<HBITMAP>>;
using UniqueRegion = Unique<HRGN, &detail::DeleteGdi<HRGN>>;
using UniqueIcon = Unique<HICON, &::DestroyIcon>;
using UniqueMenu = Unique<HMENU, &::DestroyMenu>;
using UniqueHandle = Unique<HANDLE, &detail::CloseKernelHandle>;
using UniqueBstr = Unique<BSTR, &::SysFreeString>;
using UniqueDc = Unique<HDC, &::DeleteDC>;
// A window this object created and must destroy itself (tooltips of a window are destroyed
// explicitly, because a tooltip is not a child and would outlive a hidden parent).
using UniqueWindow = Unique<HWND, &::DestroyWindow>;

// COM interface pointers: Unique<IDispatch*, &ReleaseCom<IDispatch>>.
template <class I>
inline void ReleaseCom(I* p) {
    p->Release();
}
template <class I>
using UniqueCom = Unique<I*, &ReleaseCom<I>>;

}  // namespace ui
