// The dialog controls as a screen reader reads them: a check box, an edit
// field and the up-down inside the group box that frames them, a group box
// with its controls as children, and the up-down as one spin box.
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

#include "platform/qt/access/accessible.h"
#include "platform/qt/dialog/controls.h"
#include "platform/qt/handle/hwnd.h"
#include "platform/qt/handle/windowlist.h"
#include "platform/win/commctrl.h"

namespace {

// The group box whose frame a dialog control lies within, if any: the boxes
// are the controls' siblings, drawn under them.
QGroupBox* EnclosingBox(const QWidget* w)
{
    if (!w || !w->parentWidget() || qobject_cast<const QGroupBox*>(w) || w->isWindow())
        return nullptr;
    for (QObject* sibling : w->parentWidget()->children()) {
        auto* box = qobject_cast<DialogGroupBox*>(sibling);
        if (box && box->geometry().contains(w->geometry()))
            return box;
    }
    return nullptr;
}

// A control's parent for a screen reader: its group box, or its window.
QAccessibleInterface* ParentOf(QWidget* w)
{
    if (QGroupBox* box = EnclosingBox(w))
        return QAccessible::queryAccessibleInterface(box);
    return QAccessible::queryAccessibleInterface(w->parentWidget() ? static_cast<QObject*>(w->parentWidget())
                                                                   : static_cast<QObject*>(qApp));
}

// The window handle of the up-down whose buddy the field is, if any.
HWND SpinOf(const QWidget* field)
{
    const HWND hField = WindowOfWidget(field);
    for (QObject* sibling : field->parentWidget()->children()) {
        const HWND hWnd = sibling->isWidgetType() ? WindowOfWidget(static_cast<QWidget*>(sibling)) : nullptr;
        if (hWnd && hWnd != hField && (hWnd->style & UDS_SETBUDDYINT) && sibling->inherits("UpDownWidget") &&
            reinterpret_cast<HWND>(hWnd->Send(UDM_GETBUDDY)) == hField)
            return hWnd;
    }
    return nullptr;
}

std::pair<int, int> RangeOf(HWND spin)
{
    const LRESULT range = spin ? spin->Send(UDM_GETRANGE) : 0;
    const int a = short(LOWORD(range)), b = short(HIWORD(range));
    return {std::min(a, b), std::max(a, b)};
}

class CheckBoxAccessible : public QAccessibleWidget {
public:
    explicit CheckBoxAccessible(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QCheckBox* Box() const { return static_cast<QCheckBox*>(widget()); }
    QAccessibleInterface* parent() const override { return ParentOf(widget()); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? WithoutMnemonic(Box()->text()) : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Box()->isChecked();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{QAccessibleActionInterface::toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == QAccessibleActionInterface::toggleAction())
            Box()->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

// An edit field: its text, the caret and the selection; a field an up-down
// steps also has the number it holds as its value, in the up-down's range.
class EditAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleValueInterface {
public:
    explicit EditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    QAccessibleInterface* parent() const override { return ParentOf(widget()); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Edit()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Edit()->isReadOnly();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::ValueInterface && SpinOf(widget()))
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = int(Edit()->selectionStart());
            *end = int(Edit()->selectionEnd());
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Edit()->deselect(); }
    void setSelection(int, int start, int end) override { Edit()->setSelection(start, end - start); }
    int cursorPosition() const override { return int(Edit()->cursorPosition()); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return Edit()->text().mid(start, end - start); }
    int characterCount() const override { return int(Edit()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // QAccessibleValueInterface: the number in the field, in the up-down's range.
    QVariant currentValue() const override { return Edit()->text().toInt(); }
    void setCurrentValue(const QVariant& value) override { Edit()->setText(QString::number(value.toInt())); }
    QVariant maximumValue() const override { return RangeOf(SpinOf(widget())).second; }
    QVariant minimumValue() const override { return RangeOf(SpinOf(widget())).first; }
    QVariant minimumStepSize() const override { return 1; }
};

class GroupBoxAccessible : public QAccessibleWidget {
public:
    explicit GroupBoxAccessible(QGroupBox* box) : QAccessibleWidget(box, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? WithoutMnemonic(static_cast<QGroupBox*>(widget())->title())
                                      : QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(AccessibleChildWidgets(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> controls = AccessibleChildWidgets(widget());
        return index >= 0 && index < controls.size() ? QAccessible::queryAccessibleInterface(controls[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(AccessibleChildWidgets(widget()).indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
};

// The up-down control: one spin box with a value and a range, stepped by the
// actions a screen reader offers, rather than two nameless arrow buttons.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::SpinBox) {}

    HWND Handle() const { return WindowOfWidget(widget()); }
    HWND Buddy() const
    {
        HWND hWnd = Handle();
        return hWnd ? reinterpret_cast<HWND>(hWnd->Send(UDM_GETBUDDY)) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        HWND buddy = Buddy();
        if (t == QAccessible::Name && IsWindow(buddy))
            return buddy->widget->accessibleName();
        if (t == QAccessible::Value)
            return currentValue().toString();
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* parent() const override { return ParentOf(widget()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return int(short(LOWORD(Send(UDM_GETPOS)))); }
    void setCurrentValue(const QVariant& value) override
    {
        Send(UDM_SETPOS, 0, MAKELPARAM(value.toInt(), 0));
    }
    QVariant maximumValue() const override
    {
        const LRESULT range = Send(UDM_GETRANGE);
        return std::max(int(short(LOWORD(range))), int(short(HIWORD(range))));
    }
    QVariant minimumValue() const override
    {
        const LRESULT range = Send(UDM_GETRANGE);
        return std::min(int(short(LOWORD(range))), int(short(HIWORD(range))));
    }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
    }
    void doAction(const QString& name) override
    {
        const QList<QToolButton*> arrows = widget()->findChildren<QToolButton*>();
        if (arrows.size() == 2 && name == QAccessibleActionInterface::increaseAction())
            arrows[0]->click();
        else if (arrows.size() == 2 && name == QAccessibleActionInterface::decreaseAction())
            arrows[1]->click();
    }

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        HWND hWnd = Handle();
        return IsWindow(hWnd) ? hWnd->Send(message, wParam, lParam) : 0;
    }
};

}  // namespace

QAccessibleInterface* NewControlAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1StringView("UpDownWidget"))
        return new UpDownAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1StringView("DialogCheckBox"))
        return new CheckBoxAccessible(static_cast<QCheckBox*>(object));
    if (className == QLatin1StringView("DialogEdit"))
        return new EditAccessible(static_cast<QLineEdit*>(object));
    if (className == QLatin1StringView("DialogGroupBox"))
        return new GroupBoxAccessible(static_cast<QGroupBox*>(object));
    return nullptr;
}

QList<QWidget*> AccessibleChildWidgets(QWidget* container)
{
    QList<QWidget*> widgets;
    auto* box = qobject_cast<QGroupBox*>(container);
    QWidget* parent = box ? container->parentWidget() : container;
    if (!parent)
        return widgets;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && w != container && EnclosingBox(w) == box)
            widgets.append(w);
    }
    return widgets;
}
