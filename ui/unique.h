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
    // For the functions that hand a new handle back through a pointer: what is held goes, and
    // the new handle lands straight in this owner.
    H* put() {
        reset();
        return &h_;
    }
    // Gives the handle up to a new owner that will close it.
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
inline void FreeGlobal(HGLOBAL h) { ::GlobalFree(h); }
template <class I>
inline void ReleaseCom(I* p) {
    p->Release();
}
}  // namespace detail

using UniqueKey = Unique<HKEY, &::RegCloseKey>;
using UniqueFont = Unique<HFONT, &detail::DeleteGdi<HFONT>>;
using UniqueBrush = Unique<HBRUSH, &detail::DeleteGdi<HBRUSH>>;
using UniqueBitmap = Unique<HBITMAP, &detail::DeleteGdi<HBITMAP>>;
using UniqueIcon = Unique<HICON, &::DestroyIcon>;
using UniqueMenu = Unique<HMENU, &::DestroyMenu>;
using UniqueHandle = Unique<HANDLE, &detail::CloseKernelHandle>;
using UniqueGlobal = Unique<HGLOBAL, &detail::FreeGlobal>;
using UniqueBstr = Unique<BSTR, &::SysFreeString>;
using UniqueDc = Unique<HDC, &::DeleteDC>;
// COM interface pointers: UniqueCom<IDispatch>.
template <class I>
using UniqueCom = Unique<I*, &detail::ReleaseCom<I>>;

}  // namespace ui
