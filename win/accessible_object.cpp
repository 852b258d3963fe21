#include "accessible_object.h"

#include <oleacc.h>

#include <new>
#include <vector>

#include "system_function.h"

namespace {

bool g_asked = false;

using CreateStdAccessibleObjectFn = HRESULT WINAPI(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT WINAPI(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringFn = BSTR WINAPI(const OLECHAR*);

}  // namespace

// A text as the accessibility interfaces take it: UTF-16, ending in a zero. A vector rather
// than a wide string, which would bring the library's whole wide-string code into the program.
std::vector<wchar_t> WideText(const std::string& text)
{
    std::vector<wchar_t> wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    wide.back() = L'\0';
    return wide;
}

namespace {

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard object with three texts of ours. Everything else is passed on to it, so the
// role, the state, the value, the place and the default action stay the system's.
class SpokenObject final : public IAccessible {
public:
    SpokenObject(IAccessible* inner, const SpokenText& text)
        : inner_(inner), name_(WideText(text.name)), description_(WideText(text.description)),
          shortcut_(WideText(text.shortcut))
    {
    }

    // IUnknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window behind the object, and the walk through its children, are the standard
        // object's to tell.
        if (riid == __uuidof(IOleWindow) || riid == __uuidof(IEnumVARIANT))
            return inner_->QueryInterface(riid, object);
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return inner_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return inner_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return inner_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override
    {
        return inner_->Invoke(id, riid, locale, flags, params, result, exception, argument);
    }

    // IAccessible: three texts of ours.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return IsSelf(child) && name_.size() > 1 ? Text(name_, name) : inner_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return IsSelf(child) && description_.size() > 1 ? Text(description_, description)
                                                        : inner_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return IsSelf(child) && shortcut_.size() > 1 ? Text(shortcut_, shortcut)
                                                     : inner_->get_accKeyboardShortcut(child, shortcut);
    }

    // IAccessible: the rest, the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return inner_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return inner_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return inner_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return inner_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return inner_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return inner_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return inner_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return inner_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return inner_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return inner_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return inner_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override
    {
        return inner_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return inner_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return inner_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return inner_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return inner_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return inner_->put_accValue(child, value);
    }

private:
    ~SpokenObject() { inner_->Release(); }

    static HRESULT Text(const std::vector<wchar_t>& text, BSTR* out)
    {
        if (out == nullptr)
            return E_POINTER;
        static SysAllocStringFn* const allocate =
            SystemFunction<SysAllocStringFn>("oleaut32.dll", "SysAllocString");
        *out = allocate != nullptr ? allocate(text.data()) : nullptr;
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* inner_;
    std::vector<wchar_t> name_;
    std::vector<wchar_t> description_;
    std::vector<wchar_t> shortcut_;
    LONG references_ = 1;
};

}  // namespace

bool AccessibilityAsked()
{
    return g_asked;
}

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LONG objectId, const SpokenText& text)
{
    g_asked = true;
    // oleacc.dll is a system DLL of its own; a program nobody reads aloud never loads it.
    static CreateStdAccessibleObjectFn* const create =
        SystemFunction<CreateStdAccessibleObjectFn>("oleacc.dll", "CreateStdAccessibleObject");
    static LresultFromObjectFn* const lresult =
        SystemFunction<LresultFromObjectFn>("oleacc.dll", "LresultFromObject");
    if (create == nullptr || lresult == nullptr)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(create(window, objectId, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        standard == nullptr)
        return 0;
    auto* object = new (std::nothrow) SpokenObject(standard, text);
    if (object == nullptr) {
        standard->Release();
        return 0;
    }
    // LresultFromObject takes its own reference; ours goes when the client has it.
    const LRESULT result = lresult(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result > 0 ? result : 0;
}
