// GDI+ runs for the whole test program, as it does for the whole run of the sticker, so that
// the alternate face decodes and paints its picture in the tests too.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "ui/picture.h"

namespace {

class GdiplusEnvironment final : public testing::Environment {
public:
    void SetUp() override { session_ = std::make_unique<ui::GdiplusSession>(); }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<ui::GdiplusSession> session_;
};

testing::Environment* const gdiplus = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
