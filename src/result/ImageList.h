#pragma once

#include <QPixmap>
#include <QString>

#include <array>

// Nine pictures addressed by their one-based position.
class ImageList final {
public:
    // Loads prefix + name for each of the nine names, in order.
    ImageList(const QString& prefix, const std::array<QString, 9>& names);

    // Picture n (1 to 9); a null pixmap for any other n.
    QPixmap Picture(int n) const;

private:
    std::array<QPixmap, 9> m_pictures;
};

// The bead photographs 1.jpg to 9.jpg, decoded once per run.
const ImageList& BeadPictures();
// The planet glyphs p1.jpg to p9.jpg (8 and 9 are blank), decoded once per run.
const ImageList& PlanetPictures();
