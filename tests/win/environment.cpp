// The environment of the whole Wine test program, as the sticker has it for its whole run:
// GDI+ started, so that the alternate face decodes and paints its picture; and a window asked
// for a control it does not have fails the test that asked.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/picture.h"
#include "ui/window.h"

namespace {

void FailOnMissingControl(std::string_view window, std::string_view control) {
    ADD_FAILURE() << "no control " << control << " in " << window;
}

class ProgramEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        session_ = std::make_unique<ui::GdiplusSession>();
        ui::SetMissingControlHandler(FailOnMissingControl);
    }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<ui::GdiplusSession> session_;
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace
