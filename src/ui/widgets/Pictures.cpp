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

using PictureList = std::array<QPixmap, 9>;

// Nine pictures named by pattern with %1 = 1 to 9, decoded once per run.
PictureList loadPictures(const QString& pattern)
{
    registerAssets();
    PictureList pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i].load(pattern.arg(i + 1));
    }
    return pictures;
}

QPixmap pictureOf(const PictureList& pictures, int n)
{
    if (n < 1 || n > 9) {
        return {};
    }
    return pictures[static_cast<std::size_t>(n - 1)];
}

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

QPixmap beadPicture(int n)
{
    static const PictureList pictures = loadPictures(QStringLiteral(":/beads/%1.jpg"));
    return pictureOf(pictures, n);
}

QPixmap planetPicture(int n)
{
    static const PictureList pictures = loadPictures(QStringLiteral(":/planets/p%1.jpg"));
    return pictureOf(pictures, n);
}

} // namespace ui
