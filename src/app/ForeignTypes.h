#pragma once

#include "core/LibraryManager.h"

#include <QtQml/qqml.h>
#include <QtQml/qqmlregistration.h>

// Makes the managers known to QML as property types; QML never creates them.
struct LibraryManagerForeign
{
    Q_GADGET
    QML_FOREIGN(LibraryManager)
    QML_ANONYMOUS
};
