// Pictures leaving the program as files, and what the framework knows of the
// bitmaps in memory contexts.
#include <cstdio>
#include <string>

#include "platform/afx/afxbackend.h"
#include "platform/win/imagefile.h"
#include "platform/win32/text.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = _wfopen(Widen(path.c_str()).c_str(), L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool AfxSaveBitmapAsPng(HBITMAP hBitmap, const std::string& path)
{
    BITMAP bm{};
    if (!hBitmap || !GetObjectA(hBitmap, sizeof bm, &bm))
        return false;
    AfxPixels picture;
    picture.width = bm.bmWidth;
    picture.height = bm.bmHeight;
    picture.argb.resize(size_t(bm.bmWidth) * size_t(bm.bmHeight));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC hdc = GetDC(nullptr);
    const int rows = GetDIBits(hdc, hBitmap, 0, UINT(bm.bmHeight), picture.argb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    if (rows != bm.bmHeight)
        return false;
    for (std::uint32_t& p : picture.argb)
        p |= 0xFF000000u;  // the system leaves the top byte of each pixel zero
    return WriteFile(path, AfxEncodePng(picture));
}

bool AfxSaveIconAsPng(UINT nID, int size, const std::string& path)
{
    const AfxPixels picture = AfxIconPixels(nID, size);
    return !picture.argb.empty() && WriteFile(path, AfxEncodePng(picture));
}
