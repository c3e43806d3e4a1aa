#include "desktop/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace Resources {

void Init()
{
    static const bool done = (InitAssets(), true);
    Q_UNUSED(done);
}

QIcon ProgramIcon()
{
    Init();
    QIcon fallback;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        fallback.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("vq-rudraksha-numerology"), fallback);
}

} // namespace Resources
