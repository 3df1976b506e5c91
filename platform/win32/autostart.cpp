#include "platform/win/autostart.h"

#include "platform/win32/text.h"
#include "platform/win32/sdk/winsdk.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"tarvik";
constexpr char kRunKeyName[] = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Reason(LSTATUS status)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, DWORD(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = text ? Narrow(text) : "error " + std::to_string(status);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

}  // namespace

AutostartResult SetAutostart(bool on, const std::string& modulePath, bool onTop)
{
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return {false, std::string("cannot open ") + kRunKeyName + ": " + Reason(status)};
    const std::string where = std::string(kRunKeyName) + "\\tarvik";
    AutostartResult result;
    if (on) {
        const std::wstring command = L"\"" + Widen(modulePath.c_str()) + L"\"" + (onTop ? L" --on-top" : L"");
        status = RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                DWORD((command.size() + 1) * sizeof(wchar_t)));
        result = status == ERROR_SUCCESS
                     ? AutostartResult{true, std::string("starts at login") + (onTop ? ", on top," : "") +
                                                 " from now on (" + where + ")"}
                     : AutostartResult{false, "cannot write " + where + ": " + Reason(status)};
    } else {
        status = RegDeleteValueW(key, kValueName);
        if (status == ERROR_SUCCESS)
            result = {true, "no longer starts at login (removed " + where + ")"};
        else if (status == ERROR_FILE_NOT_FOUND)
            result = {true, "was not set to start at login (" + where + " is not there)"};
        else
            result = {false, "cannot remove " + where + ": " + Reason(status)};
    }
    RegCloseKey(key);
    return result;
}
