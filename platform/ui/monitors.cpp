#include "platform/ui/monitors.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/ui/qtconvert.h"

int MonitorCount()
{
    return static_cast<int>(QGuiApplication::screens().size());
}

TMonitor Monitors(int Index)
{
    const QScreen* screen = QGuiApplication::screens().at(Index);
    return {Index, FromQRect(screen->geometry()), FromQRect(screen->availableGeometry())};
}

TMonitor MonitorFromRect(const TRect& Rect)
{
    const QRect area = ToQRect(Rect);
    const auto screens = QGuiApplication::screens();
    int best = 0;
    long long bestScore = -1;
    long long bestDistance = -1;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect geometry = screens[i]->geometry();
        const QRect common = geometry.intersected(area);
        const long long score = common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
        const QPoint d = geometry.center() - area.center();
        const long long distance = static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
        if (score > bestScore || (score == bestScore && distance < bestDistance)) {
            best = i;
            bestScore = score;
            bestDistance = distance;
        }
    }
    return Monitors(best);
}
