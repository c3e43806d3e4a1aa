#include "system/ProgramNames.h"

#include <QCoreApplication>

namespace sys {

void setUpProgramNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vq-software.example.com"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_VERSION));
}

QString ApplicationTitle()
{
    return QStringLiteral("VQ Rudraksha Numerology");
}

QString programCaption()
{
    return ApplicationTitle() + QStringLiteral(" v" VQ_SHORT_VERSION);
}

} // namespace sys
