#pragma once

#include "platform/components/Variant.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace platform::components {

// The properties that a host's design saved for one control, by name.
class PropertyBag {
public:
    // The saved value, or `fallback` when the design saved none under that name.
    Variant Read(const QString &name, const Variant &fallback = Variant()) const
    {
        return values_.value(name, fallback);
    }
    void Write(const QString &name, const Variant &value) { values_.insert(name, value.Value()); }
    QStringList Names() const { return values_.keys(); }

private:
    QMap<QString, Variant> values_;
};

} // namespace platform::components
