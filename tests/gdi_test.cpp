// Device contexts in the Qt backend: rectangles with the brush and pen,
// the stock system font, and the Windows font faces the dialogs and the
// huge character ask for.
#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/qt/paint/fonts.h"

namespace {

TEST(DeviceContext, RectangleLeavesOutItsRightAndBottomEdges)
{
    Canvas canvas(10, 10, RGB(255, 255, 255));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(*canvas.DC(), red);
    Rectangle(*canvas.DC(), 2, 3, 7, 8);
    EXPECT_EQ(SelectObject(*canvas.DC(), old), red);
    EXPECT_TRUE(DeleteObject(red));
    const char* expected[] = {"..........", "..........", "..........", "..#####...", "..#rrr#...",
                              "..#rrr#...", "..#rrr#...", "..#####...", "..........", ".........."};
    for (int y = 0; y < 10; ++y) {
        std::string row;
        for (int x = 0; x < 10; ++x)
            row += canvas.At(x, y) == RGB(0, 0, 0) ? '#' : canvas.At(x, y) == RGB(255, 0, 0) ? 'r' : '.';
        EXPECT_EQ(row, expected[y]) << y;
    }
}

TEST(DeviceContext, SystemFontDescriptionAndSelection)
{
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), 60);
    EXPECT_STREQ(lf.lfFaceName, "System");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontIndirectA(&lf);
    EXPECT_EQ(SelectObject(screen, font), GetStockObject(SYSTEM_FONT));
    EXPECT_FALSE(DeleteObject(font));  // still selected
    SelectObject(screen, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(GetStockObject(SYSTEM_FONT)));  // harmless: stock objects stay
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), 60);
    ReleaseDC(nullptr, screen);
}

TEST(FontFaces, WindowsFacesMapToInstalledJapaneseFonts)
{
    const struct {
        const char* face;
        const char* family;
    } rows[] = {{"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
                {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"ＭＳ 明朝", "IPAMincho"},     {"DejaVu Sans", "DejaVu Sans"}};
    for (const auto& r : rows)
        EXPECT_EQ(FamilyForFace(QString::fromUtf8(r.face)).toStdString(), r.family) << r.face;
}

}  // namespace
