#include "result/ImageList.h"

#include "desktop/Resources.h"

ImageList::ImageList(const QString& prefix, const std::array<QString, 9>& names)
{
    Resources::Init();
    for (std::size_t i = 0; i < names.size(); ++i) {
        m_pictures[i].load(prefix + names[i]);
    }
}

QPixmap ImageList::Picture(int n) const
{
    if (n < 1 || n > 9) {
        return {};
    }
    return m_pictures[static_cast<std::size_t>(n - 1)];
}

const ImageList& BeadPictures()
{
    static const ImageList pictures(QStringLiteral(":/beads/"),
        {QStringLiteral("1.jpg"), QStringLiteral("2.jpg"), QStringLiteral("3.jpg"), QStringLiteral("4.jpg"),
            QStringLiteral("5.jpg"), QStringLiteral("6.jpg"), QStringLiteral("7.jpg"), QStringLiteral("8.jpg"),
            QStringLiteral("9.jpg")});
    return pictures;
}

const ImageList& PlanetPictures()
{
    static const ImageList pictures(QStringLiteral(":/planets/"),
        {QStringLiteral("p1.jpg"), QStringLiteral("p2.jpg"), QStringLiteral("p3.jpg"), QStringLiteral("p4.jpg"),
            QStringLiteral("p5.jpg"), QStringLiteral("p6.jpg"), QStringLiteral("p7.jpg"), QStringLiteral("p8.jpg"),
            QStringLiteral("p9.jpg")});
    return pictures;
}
