#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// The accessibility of the owner-drawn controls: without it a screen reader
// sees each of them as a nameless filler.
namespace AccessibleControls {

// The factory Qt asks for every object's interface; nullptr for objects
// that are none of the four controls nor the two windows.
QAccessibleInterface *create(const QString &className, QObject *object);

// Installs create. Call once, after the application object exists.
void install();

} // namespace AccessibleControls
