// The faces on the screen: window messages that ask for the impossible ignored.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/fixture.h"
#include "ui/dpi.h"

namespace {

using tavelon_test::At;
using tavelon_test::Sticker;

struct DpiMessage {
    const char* name;
    UINT dpi;
    RECT suggested;
    bool followed;
};

class DpiChangedMessage : public testing::TestWithParam<DpiMessage> {};

TEST_P(DpiChangedMessage, IsFollowedOnlyWhenItMakesSense) {
    const DpiMessage& row = GetParam();
    Sticker s(At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& face = s.Start();
    RECT suggested = row.suggested;
    SendMessageW(face.hwnd(), 0x02E0, MAKEWPARAM(row.dpi, row.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const SIZE client = tavelon_test::ClientSize(face.hwnd());
    if (row.followed) {
        EXPECT_EQ(face.dpi(), row.dpi);
        EXPECT_EQ(client.cx, ui::Scale(333, row.dpi));
    } else {
        EXPECT_EQ(face.dpi(), 96u);
        EXPECT_EQ(client.cx, 333);
        EXPECT_EQ(client.cy, 168);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DpiChangedMessage,
    testing::Values(DpiMessage{"Zero", 0, {100, 50, 600, 302}, false},
                    DpiMessage{"BelowHalf", 47, {100, 50, 263, 132}, false},
                    DpiMessage{"Half", 48, {100, 50, 267, 134}, true},
                    DpiMessage{"TenTimes", 960, {0, 0, 3330, 1680}, true},
                    DpiMessage{"AboveTenTimes", 961, {0, 0, 3334, 1682}, false},
                    DpiMessage{"Largest", 65535, {0, 0, 30000, 30000}, false},
                    DpiMessage{"EmptyRectangle", 144, {100, 50, 100, 50}, false},
                    DpiMessage{"UpsideDown", 144, {600, 302, 100, 50}, false},
                    DpiMessage{"HugeRectangle", 144, {0, 0, 30000, 30000}, false},
                    DpiMessage{"BeyondCoordinates", 144, {40000, 0, 40500, 252}, false}),
    [](const testing::TestParamInfo<DpiMessage>& info) { return std::string(info.param.name); });

}  // namespace
