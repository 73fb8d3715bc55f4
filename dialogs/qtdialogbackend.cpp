#include "dialogs/qtdialogbackend.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString AllFilesPattern = QStringLiteral("*.*");

// Qt reads "*.*" as names that hold a dot; in the dialogs' filters it
// stands for every file, names without a dot included.
QString qtNameFilter(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf('(');
    if (open < 0 || !filter.endsWith(')'))
        return filter;
    QStringList patterns
        = filter.mid(open + 1, filter.size() - open - 2).split(' ', Qt::SkipEmptyParts);
    for (QString &pattern : patterns) {
        if (pattern == AllFilesPattern)
            pattern = QStringLiteral("*");
    }
    return filter.left(open + 1) + patterns.join(' ') + ')';
}

std::optional<QString> runFileDialog(QWidget *owner, const DialogBackend::FileRequest &request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Saving never asks before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The descriptions name their patterns already ("TEXT Files(*.txt)");
    // each entry shows its description alone.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const QString &filter : request.filters)
        filters << qtNameFilter(filter);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
        dialog.selectNameFilter(filters[request.selectedFilter]);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtDialogBackend::openFile(QWidget *owner, const FileRequest &request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogBackend::saveFile(QWidget *owner, const FileRequest &request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogBackend::folder(QWidget *owner, const QString &title)
{
    QString chosen = QFileDialog::getExistingDirectory(owner, title, QDir::homePath());
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QColor> QtDialogBackend::color(QWidget *owner, QColor initial, bool fullOpen)
{
    // Custom colours are not kept from one call to the next.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    QColorDialog dialog(initial, owner);
    dialog.setOption(QColorDialog::NoButtons, false);
    Q_UNUSED(fullOpen); // Qt's colour dialog always shows its full form.
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<DialogBackend::FontChoice> QtDialogBackend::font(QWidget *owner,
                                                               const FontChoice &initial)
{
    QFont start(initial.faceName);
    if (initial.logicalHeight < 0)
        start.setPixelSize(-initial.logicalHeight);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    start.setUnderline(initial.underline);
    bool accepted = false;
    QFont chosen = QFontDialog::getFont(&accepted, start, owner);
    if (!accepted)
        return std::nullopt;
    FontChoice choice;
    choice.faceName = chosen.family();
    choice.pointTenths = qRound(chosen.pointSizeF() * FontChoice::TenthsPerPoint);
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    choice.underline = chosen.underline();
    return choice;
}

bool QtDialogBackend::print(QWidget *owner)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogBackend::printerProperties(QWidget *owner)
{
    QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter);
    QPageSetupDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}
