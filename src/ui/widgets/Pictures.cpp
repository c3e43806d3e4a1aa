#include "ui/widgets/Pictures.h"

#include <QtGlobal>

#include <array>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace ui {
namespace {

void registerAssets()
{
    static const bool done = (initAssets(), true);
    Q_UNUSED(done);
}

// Nine pictures of one size, each drawn at 1x and @2x. Both drawings are
// given to QIcon, which picks by pixel ratio: it would look for the @2x one on
// its own only where the screen itself is at 2x, and paper wants it too.
class PictureList {
public:
    // The files are named by the pattern with %1 = 1 to 9 and %2 = "" or "@2x".
    PictureList(const QString& pattern, QSize size)
        : m_size(size)
    {
        registerAssets();
        for (std::size_t i = 0; i < m_pictures.size(); ++i) {
            for (const QString& scale : {QString(), QStringLiteral("@2x")}) {
                m_pictures[i].addFile(pattern.arg(i + 1).arg(scale));
            }
        }
    }

    QPixmap picture(int n, qreal devicePixelRatio) const
    {
        if (n < 1 || n > 9) {
            return {};
        }
        return m_pictures[static_cast<std::size_t>(n - 1)].pixmap(m_size, devicePixelRatio);
    }

private:
    std::array<QIcon, 9> m_pictures;
    QSize m_size;
};

} // namespace

QIcon programIcon()
{
    registerAssets();
    QIcon fallback;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        fallback.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("vq-rudraksha-numerology"), fallback);
}

QPixmap beadPicture(int n, qreal devicePixelRatio)
{
    static const PictureList pictures(QStringLiteral(":/beads/%1%2.jpg"), QSize(100, 100));
    return pictures.picture(n, devicePixelRatio);
}

QPixmap planetPicture(int n, qreal devicePixelRatio)
{
    static const PictureList pictures(QStringLiteral(":/planets/p%1%2.jpg"), QSize(40, 41));
    return pictures.picture(n, devicePixelRatio);
}

} // namespace ui
