#include "ui/widgets/ForumBanner.h"

#include "ui/desktop/WebPages.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"

#include <QCoreApplication>

namespace ui {

LinkLabel* createForumBanner(QWidget* parent, const QString& objectName, int widthTwips)
{
    auto* banner
        = new LinkLabel(QCoreApplication::translate("ui::ForumBanner",
                            "Discuss Rudraksha and numerology with us in our online forum at vq-software.example.com"),
            parent);
    banner->setObjectName(objectName);
    banner->setFont(programFont(NormalPointSize, true, true));
    banner->setAccessibleDescription(
        QCoreApplication::translate("ui::ForumBanner", "Opens our forum in your web browser"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setWordWrap(true);
    banner->setMaximumWidth(px(widthTwips));
    setColours(banner, Colours::Teal);
    QObject::connect(banner, &LinkLabel::clicked, banner, &OpenHomePage);
    return banner;
}

} // namespace ui
