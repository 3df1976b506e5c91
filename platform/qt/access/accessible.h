// What a screen reader gets from the Qt backend (AT-SPI on Linux, through
// Qt's accessibility bridge): roles for the framework's windows, the parts
// a window draws itself, the up-down control as one spin box, and open
// popup menus in the application's tree.
#pragma once

#include <QList>

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// Makes Qt ask the backend for these objects; once, after the application is made.
void InstallAccessibility();

// The dialog controls' objects (accessiblecontrols.cpp): the up-down, check
// boxes, edit fields and group boxes; null for a widget of another class.
QAccessibleInterface* NewControlAccessible(const QString& className, QObject* object);

// The widgets a window shows a screen reader as its children: a dialog's
// controls outside every group box and its group boxes, a group box's
// controls within its frame, any other window's child widgets.
QList<QWidget*> AccessibleChildWidgets(QWidget* container);
