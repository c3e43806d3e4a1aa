#pragma once

#include <QString>

#include <string_view>

// Small helpers the windows share.
namespace ui {

// A UTF-8 text of the core as widget text; CR LF line ends become the LF that
// widgets expect.
inline QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Gives an object its name (the control's name in the window) and returns it.
template <typename Object> Object* named(Object* object, const QString& name)
{
    object->setObjectName(name);
    return object;
}

} // namespace ui
