#include "info/form5_win.h"

#include "info/about_text.h"

namespace info {

ui::WindowDesc Form5Description() {
    ui::WindowDesc d;
    d.className = std::string(kForm5Class);
    d.caption = "关于&日志";
    d.width = 392;
    d.height = 570;
    d.style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.icon = "AAAAA_APPICON";
    d.font = "Microsoft YaHei,9,0";
    using ui::ControlKind;
    const std::string font = "Microsoft YaHei,9,0";
    d.controls = {
        ui::Describe(ControlKind::GroupBox, "Frame1", 2, 2, 384, 110).Caption("关于").Font(font),
        // Left without a colour, a label takes the system window-text colour.
        ui::Describe(ControlKind::Label, "Label1", 14, 24, 360, 83).Font(font),
        ui::Describe(ControlKind::GroupBox, "Frame2", 2, 114, 384, 428).Caption("日志").Font(font),
        ui::Describe(ControlKind::TextBox, "Text1", 6, 132, 376, 406)
            .Style(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL)
            .Font(font),
    };
    return d;
}

Form5::Form5() : TextWindow(Form5Description(), "Text1") {}

void Form5::OnReady() {
    SetText("Label1", AboutText());
    ShowText(ChangeLogText());
}

}  // namespace info
