// A dialog's toolkit windows and its keyboard: Esc is IDCANCEL, Enter
// presses the focused or the default push button, a mnemonic letter presses
// its button.
#include "platform/dialog_window.h"

#include "platform/gdi_internal.h"
#include "platform/widget_port.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QWindow>
#include <optional>
#include <vector>

namespace {

void SendCommand(HWND dialog, UINT id)
{
    CWnd* control = dialog->wnd->GetDlgItem(id);
    dialog->wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), static_cast<int>(BN_CLICKED)),
                             reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

QPushButton* PushButtonOf(HWND hwnd) { return hwnd ? qobject_cast<QPushButton*>(hwnd->widget) : nullptr; }

// The letter after a single ampersand, 0 when there is none.
QChar Mnemonic(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return QChar(text[i + 1]).toUpper();
        ++i;
    }
    return QChar();
}

class DialogFrame : public PortWidget<QWidget> {
public:
    explicit DialogFrame(HWND hwnd) : PortWidget<QWidget>(hwnd, nullptr) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !hwnd->ownFrame)
            return;
        QPainter painter(this);
        hwnd->framePainter = &painter;
        hwnd->wnd->SendMessage(WM_NCPAINT, 1, 0);
        if (IsLiveWindow(hwnd))
            hwnd->framePainter = nullptr;
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QWidget::keyPressEvent(e);
            return;
        }
        switch (e->key()) {
        case Qt::Key_Escape: SendCommand(hwnd, IDCANCEL); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            HWND focused = FocusedWidgetHwnd();
            QPushButton* button = focused && focused->parent == hwnd ? PushButtonOf(focused) : nullptr;
            if (button) {
                button->click();
                return;
            }
            const UINT id = DialogDefaultId(hwnd);
            CWnd* control = hwnd->wnd->GetDlgItem(id);
            if (QPushButton* def = control ? PushButtonOf(control->m_hWnd) : nullptr) {
                if (def->isEnabled())
                    def->click();
            } else {
                SendCommand(hwnd, id);
            }
            return;
        }
        default: break;
        }
        const int key = e->key();
        if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
            const QChar letter(key);
            for (HWND child : std::vector<HWND>(hwnd->children)) {
                auto* button = qobject_cast<QAbstractButton*>(child->widget);
                if (button && button->isVisible() && button->isEnabled() && Mnemonic(child->text) == letter) {
                    button->click();
                    return;
                }
            }
        }
        e->ignore();
    }

    // A frame of its own: drag by the caption, close from the close box.
    void mousePressEvent(QMouseEvent* e) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd || !hwnd->ownFrame || e->button() != Qt::LeftButton)
            return;
        const QPoint p = e->position().toPoint();
        if ((hwnd->style & WS_SYSMENU) && OwnFrameCloseBox(width()).contains(p))
            m_closing = true;
        else if (p.y() < OwnFrameTop())
            m_dragFrom = e->globalPosition().toPoint() - frameGeometry().topLeft();
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (m_dragFrom && (e->buttons() & Qt::LeftButton))
            move(e->globalPosition().toPoint() - *m_dragFrom);
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        HWND hwnd = portHwnd();
        const bool close = m_closing && hwnd && OwnFrameCloseBox(width()).contains(e->position().toPoint());
        m_closing = false;
        m_dragFrom.reset();
        if (close)
            hwnd->wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    }

private:
    std::optional<QPoint> m_dragFrom;
    bool m_closing = false;
};

class DialogClient : public PortWidget<QWidget> {
public:
    DialogClient(HWND hwnd, QWidget* frame) : PortWidget<QWidget>(hwnd, frame)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd)
            return;
        QPainter painter(this);
        hwnd->clientPainter = &painter;
        HDC dc = OpenPainterDC(hwnd, &painter, rect());
        hwnd->wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        CloseDC(dc);
        if (IsLiveWindow(hwnd))
            hwnd->wnd->SendMessage(WM_PAINT, 0, 0);
        if (IsLiveWindow(hwnd))
            hwnd->clientPainter = nullptr;
    }
};

}  // namespace

// The shown top-level toolkit window of hwnd (null when hidden or none).
QWindow* ShownTopLevelWindow(HWND hwnd)
{
    if (!IsLiveWindow(hwnd))
        return nullptr;
    QWindow* w = hwnd->widget ? hwnd->widget->window()->windowHandle() : hwnd->window;
    while (w && w->parent())
        w = w->parent();
    return w && w->isVisible() ? w : nullptr;
}

HWND ActiveModalDialog() { return PortHwnd(QApplication::activeModalWidget()); }

void ActivateDialogOwner(HWND owner)
{
    if (QWindow* w = ShownTopLevelWindow(owner))
        w->requestActivate();
}

HWND MakeDialogWindow(CWnd* dialog, const DialogTemplate& t, HWND owner, bool ownFrame)
{
    HWND hwnd = new HWND__;
    hwnd->wnd = dialog;
    hwnd->parent = IsLiveWindow(owner) ? owner : nullptr;
    hwnd->style = t.style & ~(WS_CHILD | WS_VISIBLE);
    hwnd->className = "#32770";
    hwnd->text = t.caption ? t.caption : "";
    hwnd->font = SharedFontObject(DialogFont(t.fontFace, t.pointSize));
    hwnd->ownFrame = ownFrame;

    auto* frame = new DialogFrame(hwnd);
    Qt::WindowFlags flags = Qt::Dialog;
    if (ownFrame || !(t.style & WS_CAPTION)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (t.style & WS_SYSMENU)
            flags |= Qt::WindowCloseButtonHint;
    }
    frame->setWindowFlags(flags);
    frame->setWindowTitle(QString::fromLatin1(hwnd->text.c_str()));
    frame->setFont(QFontOf(hwnd->font));
    auto* client = new DialogClient(hwnd, frame);
    client->setFont(QFontOf(hwnd->font));
    hwnd->widget = frame;
    hwnd->client = client;

    QSize size(t.cx * DIALOG_UNIT_PIXELS, t.cy * DIALOG_UNIT_PIXELS);
    if (ownFrame)
        size += QSize(2 * OwnFrameSide(), OwnFrameTop() + OwnFrameSide());
    frame->setFixedSize(size);
    LayoutDialogClient(hwnd);

    // Kept above a shown owner (an owner not shown yet may hide its transients).
    if (QWindow* ownerWindow = ShownTopLevelWindow(hwnd->parent)) {
        frame->winId();
        if (frame->windowHandle())
            frame->windowHandle()->setTransientParent(ownerWindow);
    }
    dialog->m_hWnd = hwnd;
    AttachWindow(hwnd);
    return hwnd;
}

UINT DialogDefaultId(HWND dialog)
{
    for (HWND child : dialog->children)
        if (QPushButton* button = PushButtonOf(child); button && button->isDefault())
            return child->id;
    return IDOK;
}

void SetDialogDefaultId(HWND dialog, UINT id)
{
    for (HWND child : dialog->children)
        if (QPushButton* button = PushButtonOf(child))
            button->setDefault(child->id == id);
}
