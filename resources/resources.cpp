#include "resources/resources.h"

#include <QtCore/qglobal.h>

void InitLightingResources()
{
    Q_INIT_RESOURCE(descriptions);
}
