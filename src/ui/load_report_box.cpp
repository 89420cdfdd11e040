#include "ui/load_report_box.h"

#include "gfx/app_title.h"
#include "gfx/load_report.h"
#include "platform/msgbox.h"

void TellLoadReport(CWnd* owner)
{
    const std::string text = load_report::Take();
    if (text.empty())
        return;
    if (owner)
        owner->MessageBox(text.c_str(), APP_TITLE, MB_OK | MB_ICONWARNING);
    else
        MessageBoxA(nullptr, text.c_str(), APP_TITLE, MB_OK | MB_ICONWARNING);
}
