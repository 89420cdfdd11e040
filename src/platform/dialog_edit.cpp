// Edit controls ("Edit") as toolkit line edits: the window text is the
// edit's text both ways; typing tells the parent (EN_CHANGE).
#include "platform/dialog_controls.h"
#include "platform/widget_port.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

void RegisterEditControl();

namespace {

class EditControl : public PortWidget<QLineEdit>, public ControlPort {
public:
    EditControl(HWND hwnd, QWidget* parent) : PortWidget<QLineEdit>(hwnd, parent)
    {
        setText(QString::fromLatin1(hwnd->text.c_str()));
        setFrame((hwnd->style & WS_BORDER) != 0);
        setFocusPolicy((hwnd->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        if (hwnd->style & ES_NUMBER)
            setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
        QObject::connect(this, &QLineEdit::textEdited, [this](const QString& text) {
            HWND h = portHwnd();
            if (!h)
                return;
            h->text = text.toLatin1().toStdString();
            NotifyParent(h, EN_CHANGE);
        });
    }

    bool ControlMessage(UINT, WPARAM, LPARAM, LRESULT*) override { return false; }
    void FollowText() override
    {
        HWND hwnd = portHwnd();
        const QString wanted = hwnd ? QString::fromLatin1(hwnd->text.c_str()) : QString();
        if (hwnd && text() != wanted)
            setText(wanted);
    }
};

}  // namespace

void RegisterEditControl()
{
    RegisterControlClass("Edit", [](HWND hwnd, QWidget* parent) { return new EditControl(hwnd, parent); });
}
