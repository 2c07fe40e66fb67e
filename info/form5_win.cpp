#include "info/form5_win.h"

#include "info/about_text.h"

namespace info {

ui::WindowDesc Form5Description() {
    ui::WindowDesc d = TextWindowDescription(kForm5Class, "关于&日志", 392, 570, "AAAAA_APPICON");
    using ui::ControlKind;
    const std::string font = "Microsoft YaHei,9,0";
    d.controls = {
        ui::Describe(ControlKind::GroupBox, AboutPart::AboutFrame, "Frame1", 2, 2, 384, 110)
            .Caption("关于")
            .Font(font),
        // Left without a colour, a label takes the system window-text colour.
        ui::Describe(ControlKind::Label, AboutPart::About, "Label1", 14, 24, 360, 83).Font(font),
        ui::Describe(ControlKind::GroupBox, AboutPart::LogFrame, "Frame2", 2, 114, 384, 428)
            .Caption("日志")
            .Font(font),
        ui::Describe(ControlKind::TextBox, AboutPart::ChangeLog, "Text1", 6, 132, 376, 406)
            .Style(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL)
            .Font(font),
    };
    return d;
}

Form5::Form5() : WindowOf(Form5Description(), ui::RowOf(AboutPart::ChangeLog)) {}

void Form5::OnReady() {
    SetText(AboutPart::About, AboutText());
    ShowText(ChangeLogText());
}

}  // namespace info
