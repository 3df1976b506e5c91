// The Qt backend's one border between the framework's units (96-dpi pixels)
// and the X server's device pixels, at the scales a desktop uses.
#include <gtest/gtest.h>

#include "platform/qt/handle/units.h"

namespace {

struct BorderRow {
    double factor;
    QPoint origin;  // the screen's top-left corner
    QPoint units;
    QPoint device;
};

class UnitsBorder : public testing::TestWithParam<BorderRow> {};

// Both ways, and every place a program can ask for comes back as it was.
TEST_P(UnitsBorder, ConvertsAboutTheScreensCorner)
{
    const BorderRow& row = GetParam();
    const ScreenScale scale{row.origin, row.factor};
    EXPECT_EQ(DeviceFromUnits(row.units, scale), row.device);
    EXPECT_EQ(UnitsFromDevice(row.device, scale), row.units);
    for (int d = -3; d <= 3; ++d) {
        const QPoint units = row.units + QPoint(d, 2 * d);
        EXPECT_EQ(UnitsFromDevice(DeviceFromUnits(units, scale), scale), units) << d;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scales, UnitsBorder,
    testing::Values(BorderRow{1, {0, 0}, {150, 100}, {150, 100}},
                    BorderRow{2, {0, 0}, {150, 100}, {300, 200}},
                    BorderRow{1.5, {0, 0}, {150, 100}, {225, 150}},
                    BorderRow{1.5, {0, 0}, {151, 101}, {227, 152}},   // halves round away from zero
                    BorderRow{1.25, {0, 0}, {10, 11}, {13, 14}},
                    BorderRow{1.25, {0, 0}, {-8, -3}, {-10, -4}},      // left of and above the corner
                    BorderRow{2, {1024, 0}, {1074, 30}, {1124, 60}},  // a second screen keeps its corner
                    BorderRow{1.5, {-1280, -200}, {-1180, -100}, {-1130, -50}},
                    BorderRow{1.5, {1920, 0}, {1920, 0}, {1920, 0}}));

// A point the device has between two units goes to the nearer one.
TEST(UnitsBorder, DevicePixelsBetweenUnitsRound)
{
    const ScreenScale scale{{0, 0}, 2};
    EXPECT_EQ(UnitsFromDevice({833, 300}, scale), QPoint(417, 150));
    EXPECT_EQ(UnitsFromDevice({832, 301}, scale), QPoint(416, 151));
    EXPECT_EQ(UnitsFromDevice({100, 100}, ScreenScale{}), QPoint(100, 100));
}

}  // namespace
