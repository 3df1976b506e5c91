#include "platform/win32/accessible.h"

#include <string>
#include <utility>

#include "platform/win32/text.h"

namespace {

BSTR NewBstr(const std::string& utf8)
{
    const std::wstring wide = Widen(utf8.c_str());
    return SysAllocStringLen(wide.data(), UINT(wide.size()));
}

class PartsAccessible final : public IAccessible {
public:
    PartsAccessible(HWND hWnd, std::function<AFX_ACCESSIBLE_INFO()> info) : m_hWnd(hWnd), m_info(std::move(info)) {}
    virtual ~PartsAccessible() = default;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return refs;
    }

    // IDispatch: not for scripts.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible: the window itself is CHILDID_SELF, the rows it draws 1 to n.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = nullptr;
        return m_hWnd ? AccessibleObjectFromWindow(m_hWnd, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent))
                      : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        *count = long(m_info().parts.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override
    {
        *dispatch = nullptr;
        return Part(child) ? S_FALSE : E_INVALIDARG;  // the parts are simple elements
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return Text(child, name, [](const AFX_ACCESSIBLE_INFO& info) { return info.name; },
                    [](const AFX_ACCESSIBLE_PART& part) { return part.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return Text(child, value, [](const AFX_ACCESSIBLE_INFO&) { return std::string(); },
                    [](const AFX_ACCESSIBLE_PART& part) { return part.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return Text(child, description, [](const AFX_ACCESSIBLE_INFO& info) { return info.description; },
                    [](const AFX_ACCESSIBLE_PART& part) { return part.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const AFX_ACCESSIBLE_INFO info = m_info();
        const long id = Id(child);
        if (id < 0 || id > long(info.parts.size()))
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = LONG(id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : info.parts[size_t(id - 1)].role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const long id = Id(child);
        if (id < 0 || id > long(m_info().parts.size()))
            return E_INVALIDARG;
        state->vt = VT_I4;
        state->lVal = id == CHILDID_SELF ? (IsWindowVisible(m_hWnd) ? 0 : STATE_SYSTEM_INVISIBLE) : STATE_SYSTEM_READONLY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        *topic = 0;
        return Nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override { return Nothing(shortcut); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        focus->vt = VT_EMPTY;
        if (m_hWnd && GetFocus() == m_hWnd) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
        }
        return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override { return Nothing(action); }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height, VARIANT child) override
    {
        const long id = Id(child);
        const long count = long(m_info().parts.size());
        if (id < 0 || id > count)
            return E_INVALIDARG;
        RECT rc{};
        if (m_hWnd) {
            GetClientRect(m_hWnd, &rc);
            MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        }
        // The parts stand one under the other, each a row of the window.
        const long row = count ? (rc.bottom - rc.top) / count : 0;
        *x = rc.left;
        *width = rc.right - rc.left;
        *y = id == CHILDID_SELF ? rc.top : rc.top + (id - 1) * row;
        *height = id == CHILDID_SELF ? rc.bottom - rc.top : row;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        end->vt = VT_EMPTY;
        const long count = long(m_info().parts.size());
        const long id = Id(start);
        long to = 0;
        if (id == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
            to = 1;
        else if (id == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
            to = count;
        else if (id > 0 && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN))
            to = id + 1;
        else if (id > 0 && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP))
            to = id - 1;
        if (to < 1 || to > count)
            return S_FALSE;
        end->vt = VT_I4;
        end->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        child->vt = VT_EMPTY;
        const long count = long(m_info().parts.size());
        for (long id = count ? 1 : 0; id <= count; ++id) {
            long left = 0, top = 0, width = 0, height = 0;
            VARIANT v{};
            v.vt = VT_I4;
            v.lVal = id;
            accLocation(&left, &top, &width, &height, v);
            if (x >= left && x < left + width && y >= top && y < top + height) {
                child->vt = VT_I4;
                child->lVal = id;
                return S_OK;
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    static long Id(const VARIANT& child) { return child.vt == VT_I4 ? child.lVal : -1; }
    static HRESULT Nothing(BSTR* text)
    {
        *text = nullptr;
        return S_FALSE;
    }

    bool Part(const VARIANT& child) const
    {
        const long id = Id(child);
        return id >= 1 && id <= long(m_info().parts.size());
    }

    template <typename OfWindow, typename OfPart>
    HRESULT Text(const VARIANT& child, BSTR* text, OfWindow ofWindow, OfPart ofPart) const
    {
        *text = nullptr;
        const AFX_ACCESSIBLE_INFO info = m_info();
        const long id = Id(child);
        if (id < 0 || id > long(info.parts.size()))
            return E_INVALIDARG;
        const std::string value = id == CHILDID_SELF ? ofWindow(info) : ofPart(info.parts[size_t(id - 1)]);
        if (value.empty())
            return S_FALSE;
        *text = NewBstr(value);
        return S_OK;
    }

    ULONG m_refs = 1;
    HWND m_hWnd;
    std::function<AFX_ACCESSIBLE_INFO()> m_info;
};

}  // namespace

IAccessible* NewPartsAccessible(HWND hWnd, std::function<AFX_ACCESSIBLE_INFO()> info)
{
    return new PartsAccessible(hWnd, std::move(info));
}

bool AnswerGetObject(HWND hWnd, WPARAM wParam, LPARAM lParam, std::function<AFX_ACCESSIBLE_INFO()> info,
                     LRESULT* result)
{
    if (LONG(lParam) != OBJID_CLIENT)
        return false;
    // The object goes to the screen reader through COM.
    static const bool s_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)s_com;
    IAccessible* object = NewPartsAccessible(hWnd, std::move(info));
    *result = LresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    // Where the object cannot travel (no proxy for IAccessible, as under
    // Wine), the system's own object serves.
    return SUCCEEDED(HRESULT(*result));
}
