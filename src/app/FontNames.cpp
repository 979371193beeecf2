#include "app/FontNames.h"

QStringList FontFamilyNames(const QStringList &families)
{
    QStringList names;
    names.reserve(families.size());
    for (QString name : families) {
        const qsizetype tag = name.lastIndexOf(QLatin1String(" ["));
        if (tag > 0 && name.endsWith(QLatin1Char(']')))
            name.truncate(tag);
        names << name;
    }
    names.removeDuplicates();
    return names;
}
