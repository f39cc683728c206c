#include "QtPorts.h"

#include "Cp932Text.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace selen::shell {

namespace {
const QString kTitle = QStringLiteral("Selen");

std::optional<std::string> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}
}  // namespace

QString userStartingFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return QDir::cleanPath(documents);
    return QDir::cleanPath(QDir::homePath());
}

bool QtDialogs::confirm(const std::string& text)
{
    return QMessageBox::question(parent_, kTitle, fromUtf8(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

SaveChoice QtDialogs::askToSave(const std::string& text)
{
    // Qt's own Save, Discard and Cancel buttons, in the desktop's language.
    switch (QMessageBox::question(parent_, kTitle, fromUtf8(text),
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

void QtDialogs::warn(const std::string& text)
{
    QMessageBox::warning(parent_, kTitle, fromUtf8(text));
}

void QtDialogs::inform(const std::string& text)
{
    QMessageBox::question(parent_, kTitle, fromUtf8(text), QMessageBox::StandardButtons(QMessageBox::Ok));
}

void QtDialogs::error(const std::string& text)
{
    QMessageBox::critical(parent_, kTitle, fromUtf8(text));
}

std::optional<std::string> QtDialogs::openReportName(const std::string& folder)
{
    return chosen(QFileDialog::getOpenFileName(parent_, QString(), fromUtf8(folder),
                                               QStringLiteral("*.LOR (*.LOR);;*.txt (*.txt)")));
}

std::optional<std::string> QtDialogs::openPredictionName(const std::string& folder)
{
    return chosen(QFileDialog::getOpenFileName(parent_, QString(), fromUtf8(folder), QStringLiteral("*.txt (*.txt);;*.* (*)")));
}

std::optional<std::string> QtDialogs::saveReportName(const std::string& currentFile, const std::string& folder)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("*.LOR (*.LOR)"));
    dialog.setDefaultSuffix(QStringLiteral("LOR"));
    // The program asks the overwrite question itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!currentFile.empty()) {
        dialog.selectFile(fromUtf8(currentFile));
    } else {
        dialog.setDirectory(fromUtf8(folder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().first());
}

Date QtClock::today()
{
    QDate date = QDate::currentDate();
    return Date{date.year(), date.month(), date.day()};
}

std::string QtClipboard::text()
{
    return QApplication::clipboard()->text().toStdString();
}

void QtClipboard::setText(const std::string& text)
{
    QApplication::clipboard()->setText(fromUtf8(text));
}

}  // namespace selen::shell
