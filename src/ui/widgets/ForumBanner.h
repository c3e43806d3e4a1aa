#pragma once

class QString;
class QWidget;

namespace ui {

class LinkLabel;

// The banner at the top of both working windows that invites the user to the
// maker's forum and opens it on a click; at most widthTwips wide.
LinkLabel* createForumBanner(QWidget* parent, const QString& objectName, int widthTwips);

} // namespace ui
