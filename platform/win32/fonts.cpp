#include <cstring>

#include "platform/win32/text.h"

HFONT AfxCreateFontIndirectA(const LOGFONTA* lplf)
{
    if (!lplf)
        return nullptr;
    CHARSETINFO info{};
    const UINT codePage =
        lplf->lfCharSet != DEFAULT_CHARSET &&
                TranslateCharsetInfo(reinterpret_cast<DWORD*>(UINT_PTR(lplf->lfCharSet)), &info, TCI_SRCCHARSET)
            ? info.ciACP
            : CP_ACP;
    LOGFONTW lf;
    std::memcpy(&lf, lplf, offsetof(LOGFONTA, lfFaceName));
    const std::wstring face = Widen(lplf->lfFaceName, int(strnlen(lplf->lfFaceName, LF_FACESIZE)), codePage);
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}
