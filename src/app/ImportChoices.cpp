#include "ImportChoices.h"

#include "core/LibraryManager.h"

using namespace Qt::StringLiterals;

QStringList ImportChoices::nameFilters()
{
    QStringList patterns;
    for (const QString &extension : LibraryManager::allExtensions()) {
        patterns.append(u"*."_s + extension.toLower());
        patterns.append(u"*."_s + extension.toUpper());
    }
    return {tr("Media files (%1)").arg(patterns.join(u' '))};
}
