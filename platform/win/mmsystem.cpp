// The media control interface's command strings and error texts; the
// device behind them is the system's (posix/mcicdrom.cpp on Linux).
#include "platform/win/mmsystem.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

void CopyText(const char* text, LPSTR buffer, UINT capacity)
{
    if (!buffer || capacity == 0)
        return;
    // Cut at a character boundary, never inside a UTF-8 sequence.
    size_t n = std::min<size_t>(std::strlen(text), capacity - 1);
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

struct ErrorText {
    MCIERROR code;
    const char* text;
};
constexpr ErrorText kErrorTexts[] = {
    {0, "指定されたコマンドを実行しました。"},
    {MCIERR_UNRECOGNIZED_COMMAND, "不明なコマンドです。"},
    {MCIERR_HARDWARE, "デバイスのハードウェアでエラーが発生しました。"},
    {MCIERR_CANNOT_LOAD_DRIVER, "デバイスを開く権限がありません。"},
    {MCIERR_UNSUPPORTED_FUNCTION, "このデバイスはこの機能をサポートしていません。"},
    {MCIERR_DEVICE_LOCKED, "デバイスは使用中です。しばらくしてからやり直してください。"},
    {MCIERR_DEVICE_NOT_INSTALLED, "指定されたデバイスはシステムにインストールされていません。"},
};

}  // namespace

MciCommand ParseMciCommand(const std::string& command)
{
    std::istringstream words(command);
    std::vector<std::string> tokens;
    for (std::string word; words >> word;) {
        std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        tokens.push_back(word);
    }
    if (tokens.size() != 4 || tokens[0] != "set" || tokens[1] != "cdaudio" || tokens[2] != "door")
        return MciCommand::Unrecognised;
    if (tokens[3] == "open")
        return MciCommand::OpenDoor;
    if (tokens[3] == "closed")
        return MciCommand::CloseDoor;
    return MciCommand::Unrecognised;
}

BOOL mciGetErrorStringA(MCIERROR mcierr, LPSTR pszText, UINT cchText)
{
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code == mcierr) {
            CopyText(entry.text, pszText, cchText);
            return TRUE;
        }
    }
    CopyText("", pszText, cchText);
    return FALSE;
}
