#include "app/speech_win.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "ui/text.h"
#include "ui/unique.h"

namespace app {

namespace {

// Every sentence initialises COM for itself; a successful initialisation (also S_FALSE, when
// the thread already had one) is balanced so that ticks do not pile up references.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

// In-process, local and remote servers.
constexpr DWORD kServerContexts = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

void FreeExceptionTexts(EXCEPINFO& info) {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
}

}  // namespace

bool Announce(std::string_view sentence, const wchar_t* progId) {
    const ComScope com;
    CLSID classId{};
    IID dispatchId{};
    if (FAILED(CLSIDFromProgID(progId, &classId))) return false;
    if (FAILED(IIDFromString(L"{00020400-0000-0000-C000-000000000046}", &dispatchId))) {
        return false;
    }
    ui::UniqueCom<IDispatch> voice;
    if (FAILED(CoCreateInstance(classId, nullptr, kServerContexts, dispatchId,
                                reinterpret_cast<void**>(voice.put()))) ||
        !voice) {
        return false;
    }

    wchar_t methodName[] = L"Speak";
    LPOLESTR names[] = {methodName};
    DISPID speak = 0;
    if (FAILED(voice.get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &speak))) {
        return false;
    }
    const std::wstring wide = ui::Widen(sentence);
    const ui::UniqueBstr text(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!text) return false;

    // Only the sentence: without a flags argument the call speaks synchronously.
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text.get();
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT spoken =
        voice.get()->Invoke(speak, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                            &result, &exception, &badArgument);
    VariantClear(&result);
    if (spoken == DISP_E_EXCEPTION) FreeExceptionTexts(exception);
    return SUCCEEDED(spoken);
}

}  // namespace app
