#pragma once

#include <QHash>
#include <QObject>
#include <QString>

namespace velmora {

// A window's controls by objectName, recorded as its layout builds them, so that the code that takes them up by
// name afterwards cannot miss one quietly: a name the layout did not build, or a control of another class, stops
// the program at start-up, in every build.
class BuiltControls {
public:
    void add(QObject& control) { m_controls.insert(control.objectName(), &control); }

    template <class Control> Control& get(const QString& name) const {
        auto* control = qobject_cast<Control*>(m_controls.value(name));
        if (!control)
            qFatal("No control %s of class %s was built", qPrintable(name), Control::staticMetaObject.className());
        return *control;
    }

private:
    QHash<QString, QObject*> m_controls;
};

} // namespace velmora
