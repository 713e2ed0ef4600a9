#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velmora {

// Variables for the payment service that Velmora has no field of its own for, as the merchant typed them: one
// "name=value" a line, blank lines aside. A name is a lowercase letter, then lowercase letters, digits and "_".
struct AdvancedVariable {
    QString name;
    QString value; // everything after the first "=", as typed
};

inline constexpr int MaxAdvancedVariables = 20;

struct AdvancedVariables {
    QList<AdvancedVariable> variables;
    QStringList problems; // each line that is no such variable, a name given twice, or too many lines
};

AdvancedVariables readAdvancedVariables(const QString& text);

} // namespace velmora
