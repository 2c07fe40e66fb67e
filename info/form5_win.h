#pragma once
// The about window: why and when the program was written, and the change log in an editable
// text box whose edits live only as long as the window.
#include <string_view>

#include "info/form2_win.h"
#include "ui/window.h"

namespace info {

inline constexpr std::string_view kForm5Class = "Tavelon.Form5";

enum class AboutPart { AboutFrame, About, LogFrame, ChangeLog };

class Form5 final : public ui::WindowOf<AboutPart, TextWindow> {
public:
    Form5();

protected:
    void OnReady() override;
};

ui::WindowDesc Form5Description();

}  // namespace info
