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

// Nine pictures of one size, each with its @2x drawing beside it, which QIcon
// finds on its own.
class PictureList {
public:
    // pattern names the 1x files with %1 = 1 to 9.
    PictureList(const QString& pattern, QSize size)
        : m_size(size)
    {
        registerAssets();
        for (std::size_t i = 0; i < m_pictures.size(); ++i) {
            m_pictures[i] = QIcon(pattern.arg(i + 1));
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
    static const PictureList pictures(QStringLiteral(":/beads/%1.jpg"), QSize(100, 100));
    return pictures.picture(n, devicePixelRatio);
}

QPixmap planetPicture(int n, qreal devicePixelRatio)
{
    static const PictureList pictures(QStringLiteral(":/planets/p%1.jpg"), QSize(40, 41));
    return pictures.picture(n, devicePixelRatio);
}

} // namespace ui
