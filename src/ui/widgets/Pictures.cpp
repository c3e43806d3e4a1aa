#include "ui/widgets/Pictures.h"

#include <QImageReader>
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

// Nine pictures of one size, each drawn at 1x and @2x, read the first time one
// is asked for and kept: a reading shows four of the 36 files. A screen or
// paper above 1x takes the @2x drawing (which Qt would pick there too), and
// QIcon makes the size asked for from it. The files are read as JPEG by name,
// so that no other image plugin is loaded to find out what they are.
class PictureList {
public:
    // The files are named by the pattern with %1 = 1 to 9 and %2 = "" or "@2x".
    PictureList(QString pattern, QSize size)
        : m_pattern(std::move(pattern))
        , m_size(size)
    { }

    QPixmap picture(int n, qreal devicePixelRatio)
    {
        if (n < 1 || n > 9) {
            return {};
        }
        const bool twice = devicePixelRatio > 1.0;
        QIcon& icon = m_pictures[static_cast<std::size_t>(n - 1)][twice ? 1 : 0];
        if (icon.isNull()) {
            registerAssets();
            QImageReader reader(m_pattern.arg(n).arg(twice ? QStringLiteral("@2x") : QString()), "jpg");
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return icon.pixmap(m_size, devicePixelRatio);
    }

private:
    QString m_pattern;
    QSize m_size;
    std::array<std::array<QIcon, 2>, 9> m_pictures;
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
    static PictureList pictures(QStringLiteral(":/beads/%1%2.jpg"), QSize(100, 100));
    return pictures.picture(n, devicePixelRatio);
}

QPixmap planetPicture(int n, qreal devicePixelRatio)
{
    static PictureList pictures(QStringLiteral(":/planets/p%1%2.jpg"), QSize(40, 41));
    return pictures.picture(n, devicePixelRatio);
}

} // namespace ui
