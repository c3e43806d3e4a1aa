#pragma once

#include <QString>

namespace ui {

// Gives an object its name (the control's name in the window) and returns it.
template <typename Object> Object* named(Object* object, const QString& name)
{
    object->setObjectName(name);
    return object;
}

} // namespace ui
