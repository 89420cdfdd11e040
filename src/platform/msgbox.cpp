#include "platform/msgbox.h"

#include "platform/modal.h"
#include "platform/native.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace {
MessageBoxHook g_hook;
}

void SetMessageBoxHook(MessageBoxHook hook) { g_hook = std::move(hook); }

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    text = text ? text : "";
    caption = caption ? caption : "";
    if (g_hook)
        return g_hook(text, caption, type);
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return IDOK;

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type & 0xF0) {
    case MB_ICONERROR: icon = QMessageBox::Critical; break;
    case MB_ICONWARNING: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (type & 0x0F) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    default: break;
    }
    QMessageBox box(icon, QString::fromLatin1(caption), QString::fromLatin1(text), buttons);
    box.winId();
    if (IsLiveWindow(owner) && owner->window && box.windowHandle())
        box.windowHandle()->setTransientParent(owner->window);
    const int result = RunModalLoop([&box] { return box.exec(); });
    switch (result) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}
