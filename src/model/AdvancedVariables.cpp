#include "model/AdvancedVariables.h"

#include <QRegularExpression>

namespace velmora {

using namespace Qt::StringLiterals;

AdvancedVariables readAdvancedVariables(const QString& text) {
    static const QRegularExpression variableName(u"^[a-z][a-z0-9_]*$"_s);
    AdvancedVariables read;
    QStringList names;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.first(equals < 0 ? 0 : equals).toString();
        if (equals < 0 || !variableName.match(name).hasMatch()) {
            read.problems << u"Advanced variables: \"%1\" is no name=value with a name of a-z, 0-9 and _"_s.arg(line);
            continue;
        }
        if (names.contains(name)) {
            read.problems << u"Advanced variables: %1 is given twice"_s.arg(name);
            continue;
        }
        names << name;
        read.variables.append({name, line.sliced(equals + 1).toString()});
    }
    if (read.variables.size() > MaxAdvancedVariables)
        read.problems << u"Advanced variables: at most %1 lines"_s.arg(MaxAdvancedVariables);
    return read;
}

} // namespace velmora
