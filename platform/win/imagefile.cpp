#include "platform/win/imagefile.h"

#include <algorithm>
#include <array>

#include "platform/win/winres.h"

namespace {

void PutBig32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(char((v >> shift) & 0xFF));
}

void PutLittle(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

std::uint32_t Crc32(const std::string& data, size_t from)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (size_t i = from; i < data.size(); ++i)
        c = table[(c ^ std::uint8_t(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutChunk(std::string& out, const char* type, const std::string& body)
{
    PutBig32(out, std::uint32_t(body.size()));
    const size_t typeAt = out.size();
    out.append(type, 4);
    out += body;
    PutBig32(out, Crc32(out, typeAt));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(const std::string& raw)
{
    std::string out = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(raw.size() - at, 65535);
        out.push_back(at + n == raw.size() ? 1 : 0);
        PutLittle(out, std::uint32_t(n), 2);
        PutLittle(out, std::uint32_t(~n & 0xFFFF), 2);
        out.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    PutBig32(out, (b << 16) | a);
    return out;
}

int Rank(const AFX_ICON_IMAGE& image, int size)
{
    return image.cx == size ? 3 : size % image.cx == 0 ? 2 : 1;
}

int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace

AfxPixels AfxIconPixels(UINT nID, int size)
{
    const AFX_ICON_IMAGE* best = nullptr;
    for (size_t i = 0; i < afxResources.iconCount; ++i) {
        const AFX_ICON_IMAGE& image = afxResources.icons[i];
        if (image.nID == nID && size > 0 &&
            (!best || Rank(image, size) > Rank(*best, size) ||
             (Rank(image, size) == Rank(*best, size) && image.cx > best->cx)))
            best = &image;
    }
    AfxPixels picture;
    if (!best)
        return picture;
    picture.width = picture.height = size;
    picture.argb.resize(size_t(size) * size_t(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int index = HexDigit(best->rows[y * best->cy / size][x * best->cx / size]);
            const COLORREF c = index < 0 ? 0 : best->palette[index];
            picture.argb[size_t(y) * size_t(size) + size_t(x)] =
                index < 0 ? 0 : 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) |
                                    (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
        }
    }
    return picture;
}

std::string AfxEncodePng(const AfxPixels& picture)
{
    std::string raw;
    raw.reserve(size_t(picture.height) * (size_t(picture.width) * 4 + 1));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = picture.argb[size_t(y) * size_t(picture.width) + size_t(x)];
            for (int shift : {16, 8, 0, 24})
                raw.push_back(char((p >> shift) & 0xFF));
        }
    }
    std::string header;
    PutBig32(header, std::uint32_t(picture.width));
    PutBig32(header, std::uint32_t(picture.height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

std::string AfxEncodeIco(const std::vector<AfxPixels>& pictures)
{
    std::vector<std::string> images;
    for (const AfxPixels& p : pictures) {
        std::string dib;
        PutLittle(dib, 40, 4);  // BITMAPINFOHEADER
        PutLittle(dib, std::uint32_t(p.width), 4);
        PutLittle(dib, std::uint32_t(p.height * 2), 4);  // the colours, then the mask
        PutLittle(dib, 1, 2);
        PutLittle(dib, 32, 2);
        dib.append(24, '\0');
        for (int y = p.height - 1; y >= 0; --y)  // bottom-up
            for (int x = 0; x < p.width; ++x)
                PutLittle(dib, p.argb[size_t(y) * size_t(p.width) + size_t(x)], 4);
        const int maskStride = (p.width + 31) / 32 * 4;
        for (int y = p.height - 1; y >= 0; --y) {
            std::string row(size_t(maskStride), '\0');
            for (int x = 0; x < p.width; ++x)
                if ((p.argb[size_t(y) * size_t(p.width) + size_t(x)] >> 24) == 0)
                    row[size_t(x / 8)] = char(row[size_t(x / 8)] | (0x80 >> (x % 8)));
            dib += row;
        }
        images.push_back(std::move(dib));
    }
    std::string out;
    PutLittle(out, 0, 2);
    PutLittle(out, 1, 2);  // an icon
    PutLittle(out, std::uint32_t(pictures.size()), 2);
    std::uint32_t offset = std::uint32_t(6 + 16 * pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        out.push_back(char(pictures[i].width >= 256 ? 0 : pictures[i].width));
        out.push_back(char(pictures[i].height >= 256 ? 0 : pictures[i].height));
        out.append(2, '\0');  // no palette
        PutLittle(out, 1, 2);
        PutLittle(out, 32, 2);
        PutLittle(out, std::uint32_t(images[i].size()), 4);
        PutLittle(out, offset, 4);
        offset += std::uint32_t(images[i].size());
    }
    for (const std::string& image : images)
        out += image;
    return out;
}
