// PNG and ICO files written by the framework's own encoders, read back by Qt.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "platform/win/imagefile.h"
#include "res/resource.h"

namespace {

QByteArray Bytes(const std::string& s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

void ExpectSamePixels(const QImage& image, const AfxPixels& picture)
{
    ASSERT_EQ(image.width(), picture.width);
    ASSERT_EQ(image.height(), picture.height);
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            ASSERT_EQ(argb.pixel(x, y), picture.argb[size_t(y) * size_t(picture.width) + size_t(x)])
                << "at " << x << ", " << y;
}

TEST(ImageFile, PngReadsBackAsTheSamePixels)
{
    // Wider than one stored deflate block (65535 bytes), with every alpha.
    AfxPixels picture{300, 70, {}};
    for (int i = 0; i < 300 * 70; ++i)
        picture.argb.push_back(std::uint32_t(i * 2654435761u));
    QImage image;
    ASSERT_TRUE(image.loadFromData(Bytes(AfxEncodePng(picture)), "PNG"));
    ExpectSamePixels(image, picture);
}

TEST(ImageFile, IconSizesAndTheIcoHoldingThem)
{
    // The drawings are 16 and 32 pixels: 64 doubles the 32 one pixel by pixel,
    // 48 (no multiple of 32) triples the 16 one.
    const AfxPixels p16 = AfxIconPixels(IDR_MAINFRAME, 16), p32 = AfxIconPixels(IDR_MAINFRAME, 32);
    const AfxPixels p48 = AfxIconPixels(IDR_MAINFRAME, 48), p64 = AfxIconPixels(IDR_MAINFRAME, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(p64.argb[size_t(y * 64 + x)], p32.argb[size_t(y / 2 * 32 + x / 2)]);
            if (x < 48 && y < 48) {
                ASSERT_EQ(p48.argb[size_t(y * 48 + x)], p16.argb[size_t(y / 3 * 16 + x / 3)]);
            }
        }
    }
    EXPECT_TRUE(AfxIconPixels(1, 16).argb.empty());  // no icon has that id

    QByteArray ico = Bytes(AfxEncodeIco({p16, p32, p48}));
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ICO");
    ASSERT_EQ(reader.imageCount(), 3);
    for (const AfxPixels* picture : {&p16, &p32, &p48}) {
        QImage image;
        ASSERT_TRUE(reader.read(&image));
        ExpectSamePixels(image, *picture);
        reader.jumpToNextImage();
    }
}

}  // namespace
