#include "ui/register/frmReadings.h"

#include "core/numerology/BirthDate.h"
#include "system/CoreText.h"
#include "system/ProgramNames.h"
#include "system/ReadingFolder.h"
#include "system/Settings.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/register/LiveFolder.h"
#include "ui/register/ReadingsModel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

// A path in one line, shortened in its middle where the window is too narrow
// for it; the whole path in its tooltip and for screen readers.
class PathLabel final : public QLabel {
public:
    using QLabel::QLabel;

    void setPath(const QString& path, const QString& description)
    {
        m_path = path;
        setToolTip(path);
        setAccessibleName(description);
        elide();
        updateGeometry();
    }

    QSize sizeHint() const override
    {
        const QMargins margins = contentsMargins();
        return {
            fontMetrics().horizontalAdvance(m_path) + margins.left() + margins.right(), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {fontMetrics().averageCharWidth() * 12, sizeHint().height()}; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(m_path, Qt::ElideMiddle, contentsRect().width())); }

    QString m_path;
};

namespace {

const Qt::WindowFlags kDialogFlags
    = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QLabel* textLabel(const QString& text, QWidget* parent, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setFont(programFont());
    setColours(label, colour);
    return label;
}

QPushButton* button(const QString& text, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setFont(programFont());
    setColours(made, Colours::Black, Colours::ButtonGrey);
    return made;
}

// A list in the program's colours: white on dark grey, the selection orange,
// the column heads grey as the buttons are.
void listColours(QAbstractItemView* view)
{
    QPalette colours = view->palette();
    colours.setColor(QPalette::Base, Colours::DarkGrey);
    colours.setColor(QPalette::AlternateBase, Colours::DarkGrey.lighter(125));
    colours.setColor(QPalette::Text, Colours::White);
    colours.setColor(QPalette::Highlight, Colours::Orange);
    colours.setColor(QPalette::HighlightedText, Colours::Black);
    colours.setColor(QPalette::Button, Colours::ButtonGrey);
    colours.setColor(QPalette::ButtonText, Colours::Black);
    colours.setColor(QPalette::WindowText, Colours::Black);
    colours.setColor(QPalette::PlaceholderText, Colours::ButtonGrey);
    view->setPalette(colours);
    view->setFont(programFont());
    view->setAlternatingRowColors(true);
}

// Each column wide enough for its head, sort arrow included, and for what
// it usually holds, in the reader's language; the file's column takes the rest.
void sizeColumns(QTableView* table)
{
    const QFontMetrics metrics(table->font());
    const int padding = metrics.averageCharWidth() * 2;
    int month = 0;
    for (int m = 1; m <= 12; ++m) {
        month = std::max(month, metrics.horizontalAdvance(sys::translatedCore("core::Calendar", core::monthName(m))));
    }
    const auto width = [&](int column, int content) {
        table->setColumnWidth(column, std::max(table->horizontalHeader()->sectionSizeHint(column), content + padding));
    };
    width(ReadingsModel::Name, metrics.averageCharWidth() * 26);
    width(ReadingsModel::BirthDate, metrics.horizontalAdvance(QStringLiteral("28  2050")) + month);
    for (const int number : {ReadingsModel::BirthNumber, ReadingsModel::LifePath, ReadingsModel::Destiny}) {
        width(number, metrics.horizontalAdvance(QStringLiteral("9")));
    }
    width(ReadingsModel::Saved, metrics.horizontalAdvance(QStringLiteral("2026-12-31 23:59")));
    width(ReadingsModel::File, metrics.averageCharWidth() * 18);
    table->verticalHeader()->setDefaultSectionSize(metrics.lineSpacing() + metrics.height() / 2);
}

} // namespace

frmReadings::frmReadings(QWidget* parent)
    : QDialog(parent, kDialogFlags)
{
    setObjectName(QStringLiteral("frmReadings"));
    setWindowTitle(tr("Saved Readings \u2014 %1").arg(sys::programCaption()));
    setFont(programFont());
    setColours(this, Colours::White, Colours::Black);

    m_model = new ReadingsModel(this);
    m_filter = new ReadingsFilter(m_model, this);
    m_live = new LiveFolder(this);
    createControls();
    layOutControls();
    connectControls();

    resize(px(14400), px(8400));
    keepWindowPlacement(this);
    showFolder(sys::defaultReadingsFolder());
}

frmReadings::~frmReadings()
{
    // The thread stops before the list it fills goes.
    delete m_live;
}

bool frmReadings::isFilling() const
{
    return m_live->isFilling();
}

void frmReadings::createControls()
{
    lblSearch = named(textLabel(tr("&Find:"), this, Colours::Orange), QStringLiteral("lblSearch"));
    txtSearch = named(new QLineEdit(this), QStringLiteral("txtSearch"));
    txtSearch->setFont(programFont());
    setColours(txtSearch, Colours::White, Colours::DarkGrey);
    QPalette search = txtSearch->palette();
    search.setColor(QPalette::PlaceholderText, Colours::ButtonGrey);
    txtSearch->setPalette(search);
    txtSearch->setPlaceholderText(tr("Type part of a name"));
    txtSearch->setAccessibleName(tr("Find a reading by name"));
    txtSearch->setClearButtonEnabled(true);
    lblSearch->setBuddy(txtSearch);

    tblReadings = named(new QTableView(this), QStringLiteral("tblReadings"));
    tblReadings->setAccessibleName(tr("Saved readings"));
    tblReadings->setModel(m_filter);
    listColours(tblReadings);
    tblReadings->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblReadings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblReadings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblReadings->setTabKeyNavigation(false);
    tblReadings->setWordWrap(false);
    tblReadings->setCornerButtonEnabled(false);
    tblReadings->setShowGrid(false);
    tblReadings->verticalHeader()->hide();
    tblReadings->horizontalHeader()->setHighlightSections(false);
    tblReadings->horizontalHeader()->setStretchLastSection(true);
    tblReadings->setSortingEnabled(true);
    tblReadings->sortByColumn(ReadingsModel::Name, Qt::AscendingOrder);
    sizeColumns(tblReadings);

    lblCount = named(textLabel({}, this, Colours::White), QStringLiteral("lblCount"));
    lblProgress = named(textLabel({}, this, Colours::Teal), QStringLiteral("lblProgress"));
    lblNotReadings = named(textLabel({}, this, Colours::Orange), QStringLiteral("lblNotReadings"));
    cmdNotReadings = named(button(tr("&Show Them\u2026"), this), QStringLiteral("cmdNotReadings"));

    lblFolderCaption = named(textLabel(tr("Folder:"), this, Colours::Orange), QStringLiteral("lblFolderCaption"));
    lblFolder = named(new PathLabel(this), QStringLiteral("lblFolder"));
    lblFolder->setFont(programFont());
    setColours(lblFolder, Colours::White);
    cmdChangeFolder = named(button(tr("Change Folder\u2026"), this), QStringLiteral("cmdChangeFolder"));

    cmdOpen = named(button(tr("&Open"), this), QStringLiteral("cmdOpen"));
    cmdOpen->setDefault(true);
    cmdCompare = named(button(tr("Compare"), this), QStringLiteral("cmdCompare"));
    cmdClose = named(button(tr("Close"), this), QStringLiteral("cmdClose"));
    cmdOpen->setAccessibleDescription(tr("Opens the selected reading"));
    cmdCompare->setAccessibleDescription(tr("Compares the two selected readings"));
}

void frmReadings::layOutControls()
{
    auto* search = new QHBoxLayout;
    search->addWidget(lblSearch);
    search->addWidget(txtSearch, 1);

    auto* count = new QHBoxLayout;
    count->setSpacing(px(300));
    count->addWidget(lblCount);
    count->addWidget(lblProgress, 1);

    auto* others = new QHBoxLayout;
    others->setSpacing(px(180));
    others->addWidget(lblNotReadings);
    others->addWidget(cmdNotReadings);
    others->addStretch(1);

    auto* folder = new QHBoxLayout;
    folder->addWidget(lblFolderCaption);
    folder->addWidget(lblFolder, 1);
    folder->addWidget(cmdChangeFolder);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdCompare);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(180), px(180), px(180), px(180));
    layout->setSpacing(px(120));
    layout->addLayout(search);
    layout->addWidget(tblReadings, 1);
    layout->addLayout(count);
    layout->addLayout(others);
    layout->addLayout(folder);
    layout->addSpacing(px(60));
    layout->addLayout(buttons);

    setMinimumSize(px(9000), px(6000));
}

void frmReadings::connectControls()
{
    setTabOrder(txtSearch, tblReadings);
    setTabOrder(tblReadings, cmdNotReadings);
    setTabOrder(cmdNotReadings, cmdChangeFolder);
    setTabOrder(cmdChangeFolder, cmdOpen);
    setTabOrder(cmdOpen, cmdCompare);
    setTabOrder(cmdCompare, cmdClose);

    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setSearch(text);
        selectSomething();
        showCount();
    });
    // Down from the search box goes to the list.
    txtSearch->installEventFilter(this);

    connect(m_live, &LiveFolder::batchRead, this, [this](const QList<RegisterEntry>& entries) {
        m_model->append(entries);
        selectSomething();
        showCount();
    });
    connect(m_live, &LiveFolder::filled, this, &frmReadings::showCount);
    connect(
        m_live, &LiveFolder::folderChanged, this, [this](const QString& folder, const QList<RegisterEntry>& entries) {
            m_model->replaceFolder(folder, entries);
            selectSomething();
            showCount();
        });
    connect(m_model, &ReadingsModel::notReadingsChanged, this, &frmReadings::showNotReadingsLine);
    connect(tblReadings->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmReadings::showButtons);
    connect(tblReadings, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { choose({m_model->entry(m_filter->mapToSource(index).row()).path}); });

    // Enter in the list or the search box presses Open, the default button.
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        if (const QStringList paths = selectedPaths(); paths.size() == 1) {
            choose(paths);
        }
    });
    connect(cmdCompare, &QPushButton::clicked, this, [this] {
        if (const QStringList paths = selectedPaths(); paths.size() == 2) {
            choose(paths);
        }
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdChangeFolder, &QPushButton::clicked, this, &frmReadings::changeFolder);
    connect(cmdNotReadings, &QPushButton::clicked, this, &frmReadings::listNotReadings);
    showButtons();
    showNotReadingsLine();
}

bool frmReadings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSearch && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && m_filter->rowCount() > 0) {
        tblReadings->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmReadings::showFolder(const QString& folder)
{
    m_folder = folder;
    m_unreadable = false;
    m_model->clear();
    if (folder.isEmpty()) {
        lblFolder->setPath(tr("None (there is no home folder)"), tr("Folder: none"));
        lblProgress->hide();
        showCount();
        return;
    }
    const QString shown = QDir::toNativeSeparators(folder);
    lblFolder->setPath(shown, tr("Folder: %1").arg(shown));
    m_unreadable = !QFileInfo(folder).isReadable();
    m_live->read(folder);
    showCount();
}

void frmReadings::showCount()
{
    const int total = m_model->rowCount();
    const bool searching = !searchKey(txtSearch->text()).isEmpty();
    lblCount->setText(m_unreadable ? tr("The folder cannot be read: you may not have permission.")
            : searching            ? tr("%1 of %n readings", nullptr, total).arg(m_filter->rowCount())
                                   : tr("%n readings", nullptr, total));
    lblProgress->setVisible(m_live->isFilling());
    if (m_live->isFilling()) {
        lblProgress->setText(tr("Reading the folder\u2026 %n readings so far", nullptr, total));
    }
}

void frmReadings::showNotReadingsLine()
{
    const int count = static_cast<int>(m_model->notReadings().size());
    lblNotReadings->setText(tr("%n files are not readings", nullptr, count));
    lblNotReadings->setVisible(count > 0);
    cmdNotReadings->setVisible(count > 0);
}

void frmReadings::showButtons()
{
    const qsizetype selected = tblReadings->selectionModel()->selectedRows().size();
    cmdOpen->setEnabled(selected == 1);
    cmdCompare->setEnabled(selected == 2);
}

void frmReadings::selectSomething()
{
    QItemSelectionModel* selection = tblReadings->selectionModel();
    if (m_filter->rowCount() == 0 || selection->hasSelection()) {
        return;
    }
    const QModelIndex first = m_filter->index(0, 0);
    selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    tblReadings->scrollTo(first);
}

QStringList frmReadings::selectedPaths() const
{
    QModelIndexList rows = tblReadings->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex& row : rows) {
        paths.append(m_model->entry(m_filter->mapToSource(row).row()).path);
    }
    return paths;
}

void frmReadings::choose(const QStringList& paths)
{
    m_chosen = paths;
    accept();
}

void frmReadings::changeFolder()
{
    const QString folder = chooseReadingsFolder(this, m_folder);
    if (folder.isEmpty()) {
        return;
    }
    sys::Settings::setReadingsFolder(folder);
    if (folder != m_folder) {
        showFolder(folder);
    }
}

void frmReadings::listNotReadings()
{
    QDialog list(this, kDialogFlags);
    list.setObjectName(QStringLiteral("frmNotReadings"));
    list.setWindowTitle(tr("Files That Are Not Readings \u2014 %1").arg(sys::programCaption()));
    setColours(&list, Colours::White, Colours::Black);

    QList<RegisterEntry> entries = m_model->notReadings();
    std::sort(entries.begin(), entries.end(),
        [](const RegisterEntry& a, const RegisterEntry& b) { return a.fileName < b.fileName; });
    auto* files = named(new QTableWidget(static_cast<int>(entries.size()), 2, &list), QStringLiteral("lstNotReadings"));
    files->setAccessibleName(tr("Files that are not readings"));
    listColours(files);
    files->setHorizontalHeaderLabels({tr("File"), tr("Reason")});
    files->setSelectionBehavior(QAbstractItemView::SelectRows);
    files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files->setTabKeyNavigation(false);
    files->setWordWrap(false);
    files->setShowGrid(false);
    files->verticalHeader()->hide();
    files->horizontalHeader()->setStretchLastSection(true);
    files->verticalHeader()->setDefaultSectionSize(tblReadings->verticalHeader()->defaultSectionSize());
    for (int row = 0; row < files->rowCount(); ++row) {
        const RegisterEntry& entry = entries.at(row);
        auto* name = new QTableWidgetItem(entry.fileName);
        name->setToolTip(QDir::toNativeSeparators(entry.path));
        files->setItem(row, 0, name);
        files->setItem(row, 1, new QTableWidgetItem(entry.problem));
    }
    files->horizontalHeader()->setHighlightSections(false);
    files->resizeColumnToContents(0);
    files->setColumnWidth(0, files->columnWidth(0) + files->fontMetrics().averageCharWidth() * 2);
    files->selectRow(0);

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Close, &list), QStringLiteral("buttons"));
    setColours(buttons->button(QDialogButtonBox::Close), Colours::Black, Colours::ButtonGrey);
    connect(buttons, &QDialogButtonBox::rejected, &list, &QDialog::reject);

    auto* layout = new QVBoxLayout(&list);
    layout->setContentsMargins(px(180), px(180), px(180), px(180));
    layout->addWidget(files, 1);
    layout->addWidget(buttons);
    list.resize(px(10500), px(5400));
    list.exec();
}

} // namespace ui
