#pragma once
// The about window: why and when the program was written, and the change log in an editable
// text box whose edits live only as long as the window.
#include <memory>

#include "info/form2_win.h"
#include "ui/window.h"

namespace sticker {
class App;
}

namespace info {

class Form5 final : public TextWindow {
public:
    Form5();

protected:
    void OnReady() override;
};

ui::WindowDesc Form5Description();

std::unique_ptr<ui::Window> CreateForm5(sticker::App& app);

}  // namespace info
