#include "platform/qt/access/accessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/afx/afxacc.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/qt/window/wndwidget.h"

namespace {

AFX_ACCESSIBLE_INFO InfoOf(HWND hWnd)
{
    AFX_ACCESSIBLE_INFO info;
    if (!IsWindow(hWnd) || !hWnd->Send(WM_GETOBJECT, reinterpret_cast<WPARAM>(&info), AFX_OBJID_INFO))
        info = {};
    return info;
}

class WindowAccessible;

// One part a window draws itself (a bar of the clock): no widget of its own,
// asked of its window each time it is read.
class PartAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    PartAccessible(WindowAccessible* window, int index) : m_window(window), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ProgressBar; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    }

    QVariant currentValue() const override { return Part().current; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Part().maximum; }
    QVariant minimumValue() const override { return Part().minimum; }
    QVariant minimumStepSize() const override { return 0; }

private:
    AFX_ACCESSIBLE_PART Part() const;

    WindowAccessible* m_window;
    int m_index;
};

// A framework window: a dialog, a top-level window, or a child window; one
// that draws its content itself has its parts as children after its widgets.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(WndWidget* widget) : QAccessibleWidget(widget, RoleOf(widget->Handle())) {}
    ~WindowAccessible() override
    {
        for (QAccessible::Id id : m_partIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    HWND Handle() const { return static_cast<WndWidget*>(widget())->Handle(); }
    AFX_ACCESSIBLE_INFO Info() const { return InfoOf(Handle()); }

    QString text(QAccessible::Text t) const override
    {
        const AFX_ACCESSIBLE_INFO info = Info();
        if (t == QAccessible::Name && !info.name.empty())
            return QString::fromStdString(info.name);
        if (t == QAccessible::Description && !info.description.empty())
            return QString::fromStdString(info.description);
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(Widgets().size()) + int(Info().parts.size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> widgets = Widgets();
        if (index < 0)
            return nullptr;
        if (index < widgets.size())
            return QAccessible::queryAccessibleInterface(widgets[index]);
        return index - widgets.size() < qsizetype(Info().parts.size()) ? Part(int(index - widgets.size())) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < m_parts.size(); ++i)
            if (m_parts[i] == child)
                return int(Widgets().size()) + int(i);
        return child ? int(Widgets().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

    // The part, made once and kept by Qt's cache while the window lives.
    PartAccessible* Part(int index) const
    {
        while (int(m_parts.size()) <= index) {
            m_parts.push_back(new PartAccessible(const_cast<WindowAccessible*>(this), int(m_parts.size())));
            m_partIds.push_back(QAccessible::registerAccessibleInterface(m_parts.back()));
        }
        return m_parts[size_t(index)];
    }

private:
    QList<QWidget*> Widgets() const { return AccessibleChildWidgets(widget()); }

    static QAccessible::Role RoleOf(HWND hWnd)
    {
        if (hWnd && hWnd->dialog)
            return QAccessible::Dialog;
        return hWnd && !hWnd->parent ? QAccessible::Window : QAccessible::Client;
    }

    mutable std::vector<PartAccessible*> m_parts;
    mutable std::vector<QAccessible::Id> m_partIds;
};

bool PartAccessible::isValid() const
{
    return m_index < int(m_window->Info().parts.size());
}

QWindow* PartAccessible::window() const
{
    return m_window->window();
}

QAccessibleInterface* PartAccessible::parent() const
{
    return m_window;
}

AFX_ACCESSIBLE_PART PartAccessible::Part() const
{
    const AFX_ACCESSIBLE_INFO info = m_window->Info();
    return m_index < int(info.parts.size()) ? info.parts[size_t(m_index)] : AFX_ACCESSIBLE_PART{};
}

QString PartAccessible::text(QAccessible::Text t) const
{
    const AFX_ACCESSIBLE_PART part = Part();
    if (t == QAccessible::Name)
        return QString::fromStdString(part.name);
    // The text goes as the description too, where a screen reader that reads
    // only numbers from a value still finds it.
    if (t == QAccessible::Value || t == QAccessible::Description)
        return QString::fromStdString(part.value);
    return {};
}

// The parts stand one under the other, each a row of the window.
QRect PartAccessible::rect() const
{
    const QRect whole = m_window->rect();
    const int count = std::max<int>(1, int(m_window->Info().parts.size()));
    const int height = whole.height() / count;
    return QRect(whole.left(), whole.top() + m_index * height, whole.width(), height);
}

// The application, with the popup menu that is open among its windows (Qt
// leaves popups out), so that a screen reader finds its items in the tree.
class ApplicationAccessible : public QAccessibleApplication {
public:
    int childCount() const override { return QAccessibleApplication::childCount() + int(Popups().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QMenu*> popups = Popups();
        return index - windows < popups.size() ? QAccessible::queryAccessibleInterface(popups[index - windows])
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QList<QMenu*> popups = Popups();
        for (qsizetype i = 0; i < popups.size(); ++i)
            if (child && child->object() == popups[i])
                return QAccessibleApplication::childCount() + int(i);
        return QAccessibleApplication::indexOfChild(child);
    }

private:
    static QList<QMenu*> Popups()
    {
        QList<QMenu*> popups;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible())
                popups.append(menu);
        return popups;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1StringView("WndWidget"))
        return new WindowAccessible(static_cast<WndWidget*>(object));
    if (QAccessibleInterface* control = NewControlAccessible(className, object))
        return control;
    if (className == QLatin1StringView("QApplication") && object == qApp)
        return new ApplicationAccessible;
    return nullptr;
}

}  // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(&Factory);
}

void NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild)
{
    if (!QAccessible::isActive() || !IsWindow(hwnd) || !hwnd->wnd || idObject != OBJID_CLIENT)
        return;
    auto* window = dynamic_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(hwnd->widget));
    if (!window)
        return;
    if (event == EVENT_OBJECT_REORDER) {
        QAccessibleEvent reorder(window, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    } else if (event == EVENT_OBJECT_VALUECHANGE && idChild > CHILDID_SELF) {
        PartAccessible* part = window->Part(idChild - 1);
        QAccessibleValueChangeEvent change(part, part->currentValue());
        QAccessible::updateAccessibility(&change);
    }
}

BOOL IsWinEventHookInstalled(DWORD)
{
    return QAccessible::isActive();
}
