#pragma once

#include <QString>

class QWidget;

// The Open, Save and Export dialogs, with the icons every file dialog of the
// program shares (looked up once for each kind of entry).
namespace ui {

// The Open dialog: the path of the existing file the user picked, or an empty
// text on Cancel.
QString chooseReadingToOpen(QWidget* parent);

// The Save dialog: the path the user picked (".rkn" added to a bare name,
// replacing a file confirmed first), or an empty text on Cancel.
QString chooseReadingToSave(QWidget* parent);

// The Export dialog: the path of the PDF file the user picked (".pdf" added to
// a bare name, replacing a file confirmed first), or an empty text on Cancel.
// It suggests the person's name as the file's name.
QString choosePdfToExport(QWidget* parent, const QString& personName);

// The folder dialog of the register's Change Folder, opening in start: the
// folder the user picked, or an empty text on Cancel.
QString chooseReadingsFolder(QWidget* parent, const QString& start);

} // namespace ui
