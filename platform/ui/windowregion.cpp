#include "platform/ui/windowregion.h"

#include <QPolygon>
#include <QRegion>
#include <QWidget>

#include "platform/ui/controls.h"

void SetWindowPolygonRegion(TControl* Control, const std::vector<TPoint>& Points)
{
    QPolygon polygon;
    for (const TPoint& p : Points)
        polygon << QPoint(p.X, p.Y);
    Control->Widget()->setMask(QRegion(polygon, Qt::WindingFill));
}

void ClearWindowRegion(TControl* Control)
{
    Control->Widget()->clearMask();
}

bool WindowRegionContains(const TControl* Control, const TPoint& P)
{
    const QRegion mask = Control->Widget()->mask();
    return mask.isEmpty() || mask.contains(QPoint(P.X, P.Y));
}
