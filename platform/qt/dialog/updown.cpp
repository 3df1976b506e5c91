// The up-down (spin) control: two arrow buttons that step a position within
// a range, and with UDS_SETBUDDYINT write it into a buddy field as plain
// decimal digits. Held arrows and held Up and Down keys speed up as on
// Windows: steps of 1, after two seconds of 5, after five seconds of 20.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "platform/qt/dialog/controls.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/win/commctrl.h"
#include "platform/win/winres.h"

// The up-down's own widget, which Qt's accessibility finds by its class name
// and reads as one spin box.
class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

namespace {

class UpDownGlue : public ControlGlue {
public:
    UpDownGlue(HWND hwnd, DWORD style, HWND buddy) : ControlGlue(hwnd), m_style(style), m_buddy(buddy)
    {
        if (m_buddy && (style & UDS_ARROWKEYS))
            m_buddy->widget->installEventFilter(this);
    }

    void Connect(QToolButton* up, QToolButton* down)
    {
        for (QToolButton* button : {up, down}) {
            button->installEventFilter(this);
            connect(button, &QToolButton::clicked, this, [this, up, button] { Step(button == up); });
        }
    }

    LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case UDM_SETRANGE:
            m_upper = short(LOWORD(std::uintptr_t(lParam)));
            m_lower = short(HIWORD(std::uintptr_t(lParam)));
            return 0;
        case UDM_GETRANGE:
            return MAKELONG(m_upper, m_lower);
        case UDM_SETPOS: {
            const int old = m_pos;
            SetPos(short(LOWORD(std::uintptr_t(lParam))));
            return old;
        }
        case UDM_GETPOS: {
            const std::optional<int> shown = BuddyNumber();
            const bool valid = !(m_style & UDS_SETBUDDYINT) || (shown && Clamp(*shown) == *shown);
            if (valid && shown)
                m_pos = *shown;
            return MAKELONG(m_pos, valid ? 0 : 1);
        }
        case UDM_GETBUDDY:
            return reinterpret_cast<LRESULT>(m_buddy);
        default:
            return ControlGlue::Proc(message, wParam, lParam);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            m_held.start();
        } else if (e->type() == QEvent::KeyPress && m_buddy && watched == m_buddy->widget) {
            const auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
                return false;
            if (!key->isAutoRepeat())
                m_held.start();
            Step(key->key() == Qt::Key_Up);
            return true;
        }
        return false;
    }

private:
    int Clamp(int value) const { return std::clamp(value, std::min(m_lower, m_upper), std::max(m_lower, m_upper)); }

    // The buddy's text as a number, or nothing when it holds none.
    std::optional<int> BuddyNumber() const
    {
        if (!m_buddy || !IsWindow(m_buddy))
            return std::nullopt;
        bool ok = false;
        const long long value = ControlText(m_buddy->widget).trimmed().toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return int(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
    }

    void SetPos(int pos)
    {
        m_pos = Clamp(pos);
        // Plain digits: a thousands separator would make the number
        // unreadable to the field's own number check.
        if ((m_style & UDS_SETBUDDYINT) && m_buddy && IsWindow(m_buddy))
            SetControlText(m_buddy->widget, QString::number(m_pos));
    }

    // One step of the up arrow (towards the upper end of the range) or the
    // down arrow, from the number the buddy shows.
    void Step(bool up)
    {
        if (m_style & UDS_SETBUDDYINT)
            if (const std::optional<int> shown = BuddyNumber())
                m_pos = Clamp(*shown);
        const int seconds = m_held.isValid() ? int(m_held.elapsed() / 1000) : 0;
        const int increment = seconds >= 5 ? 20 : seconds >= 2 ? 5 : 1;
        const int direction = (up == (m_upper >= m_lower)) ? 1 : -1;
        // A faster step lands on the next multiple of its size.
        int next = m_pos + direction * increment;
        const int offset = ((m_pos % increment) + increment) % increment;
        if (offset != 0)
            next = direction > 0 ? m_pos - offset + increment : m_pos - offset;
        SetPos(next);
    }

    DWORD m_style;
    HWND m_buddy;
    int m_lower = 100;  // an up-down's range until UDM_SETRANGE: 100 down to 0
    int m_upper = 0;
    int m_pos = 0;
    QElapsedTimer m_held;  // since the arrow or key went down
};

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(60);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

}  // namespace

HWND CreateUpDown(HWND hDlg, const AFX_DIALOG_ITEM& item, const QRect& pixels, HWND previous)
{
    HWND buddy = (item.style & UDS_AUTOBUDDY) ? previous : nullptr;
    QRect rect = pixels;
    if (buddy && (item.style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) {
        // The up-down takes the buddy's height and the side of it it is
        // aligned to; the buddy gives up that much of its width.
        QRect field = buddy->widget->geometry();
        const int width = std::min(rect.width(), field.width() - 1);
        if (item.style & UDS_ALIGNRIGHT) {
            field.setRight(field.right() - width);
            rect = QRect(field.right() + 1, field.top(), width, field.height());
        } else {
            rect = QRect(field.left(), field.top(), width, field.height());
            field.setLeft(field.left() + width);
        }
        buddy->widget->setGeometry(field);
    }

    HWND hWnd = NewControlHandle(hDlg, item);
    auto* widget = new UpDownWidget(hDlg->widget);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = ArrowButton(Qt::UpArrow, widget);
    QToolButton* down = ArrowButton(Qt::DownArrow, widget);
    layout->addWidget(up);
    layout->addWidget(down);
    auto* glue = new UpDownGlue(hWnd, item.style, buddy);
    glue->Connect(up, down);
    hWnd->widget = widget;
    hWnd->glue = glue;
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setGeometry(rect);
    widget->setEnabled(!(item.style & WS_DISABLED));
    widget->setVisible(item.style & WS_VISIBLE);
    return hWnd;
}

#include "updown.moc"
