// Dialogs from the program's templates: the system's dialog manager builds
// them from a template in memory, and the framework's procedure takes each
// dialog over from its WM_INITDIALOG on.
#include <cstring>
#include <string>
#include <vector>

#include "platform/afx/afxbackend.h"
#include "platform/win/winres.h"
#include "platform/win32/text.h"
#include "platform/win32/windata.h"

namespace {

// A template of the system's extended form, written word by word.
class TemplateWriter {
public:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const char* utf8)
    {
        for (wchar_t c : Widen(utf8 ? utf8 : ""))
            Word(WORD(c));
        Word(0);
    }
    void AlignToDword()
    {
        if (m_words.size() % 2)
            Word(0);
    }
    // The words, in memory that a DWORD-aligned template needs.
    std::vector<DWORD> Bytes() const
    {
        std::vector<DWORD> out((m_words.size() + 1) / 2);
        std::memcpy(out.data(), m_words.data(), m_words.size() * sizeof(WORD));
        return out;
    }

private:
    std::vector<WORD> m_words;
};

// The predefined classes go by their atoms; the rest by name.
bool WriteClass(TemplateWriter& out, const char* lpszClass)
{
    static const struct {
        const char* name;
        WORD atom;
    } kAtoms[] = {{"BUTTON", 0x0080}, {"EDIT", 0x0081}, {"STATIC", 0x0082}};
    for (const auto& known : kAtoms) {
        if (_stricmp(lpszClass, known.name) == 0) {
            out.Word(0xFFFF);
            out.Word(known.atom);
            return true;
        }
    }
    if (_stricmp(lpszClass, UPDOWN_CLASSA) != 0)
        return false;
    out.Text(lpszClass);
    return true;
}

bool WriteTemplate(TemplateWriter& out, const AFX_DIALOG_TEMPLATE& dlg)
{
    out.Word(1);       // version
    out.Word(0xFFFF);  // the extended form
    out.Dword(0);      // help id
    out.Dword(0);      // extended style
    // Hidden until the modal loop shows it, placed by its initialisation.
    out.Dword((dlg.style | DS_SETFONT) & ~WS_VISIBLE);
    out.Word(WORD(dlg.itemCount));
    for (short v : {dlg.x, dlg.y, dlg.cx, dlg.cy})
        out.Word(WORD(v));
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dlg.lpszCaption);
    out.Word(dlg.wPointSize ? dlg.wPointSize : 9);
    out.Word(FW_NORMAL);
    // A Japanese face, so that the font mapper picks a Japanese font when the
    // face itself is not installed.
    out.Word(MAKEWORD(FALSE, SHIFTJIS_CHARSET));
    out.Text(dlg.lpszFaceName);
    for (size_t i = 0; i < dlg.itemCount; ++i) {
        const AFX_DIALOG_ITEM& item = dlg.items[i];
        out.AlignToDword();
        out.Dword(0);  // help id
        out.Dword(0);  // extended style
        out.Dword(item.style);
        for (short v : {item.x, item.y, item.cx, item.cy})
            out.Word(WORD(v));
        out.Dword(DWORD(item.nID));
        if (!WriteClass(out, item.lpszClass))
            return false;
        if (item.nIconID) {
            out.Word(0xFFFF);  // the icon resource, by its id
            out.Word(WORD(item.nIconID));
        } else {
            out.Text(item.lpszText);
        }
        out.Word(0);  // no creation data
    }
    return true;
}

// Until WM_INITDIALOG the dialog manager does everything; then the framework's
// procedure takes the window over and the dialog manager only does what it
// passes on.
INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const auto* data = reinterpret_cast<const AfxWindowData*>(lParam);
    AfxSubclassWindow(hDlg, data->proc, data->userData);
    return data->proc(hDlg, WM_INITDIALOG, wParam, 0);
}

}  // namespace

HWND AfxCreateDialog(const AFX_DIALOG_TEMPLATE& dlgTemplate, HWND hWndOwner, WNDPROC proc, void* userData)
{
    TemplateWriter out;
    if (!WriteTemplate(out, dlgTemplate))
        return nullptr;
    const std::vector<DWORD> bytes = out.Bytes();
    const AfxWindowData data{proc, userData, nullptr};
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                      hWndOwner, &DialogProc, LPARAM(&data));
}
