#include "app/window/windowconversionhost.h"

#include "app/window/chinesereasons.h"
#include "app/window/pathtext.h"
#include "platform/messageboxservice.h"
#include "platform/shellservice.h"

#include <QApplication>

#include <utility>

WindowConversionHost::WindowConversionHost(std::function<void(int)> showProgress,
                                           std::function<void(int)> endProgram)
    : m_showProgress(std::move(showProgress))
    , m_endProgram(std::move(endProgram))
{
}

void WindowConversionHost::beep()
{
    QApplication::beep();
}

void WindowConversionHost::openFolder(const std::string &folder)
{
    m_folderToShow = QString::fromStdString(folder);
}

void WindowConversionHost::showOutputFolder()
{
    const QString folder = std::exchange(m_folderToShow, {});
    const QByteArrayList written = std::exchange(m_written, {});
    if (!folder.isEmpty() && !written.isEmpty())
        ShellService::instance().showFiles(folder, written);
}

void WindowConversionHost::documentWritten(const std::string &pdfPath)
{
    m_written << QByteArray::fromStdString(pdfPath);
    ++m_finishedCount;
}

void WindowConversionHost::inputSkipped(const std::string &input, const SkipReason &reason)
{
    m_skipped << PathText::readable(input) + ": " + ChineseReasons::text(reason);
    ++m_finishedCount;
}

void WindowConversionHost::inputWarning(const std::string &input, const SkipReason &warning)
{
    warningsOfKind(warning.kind) << PathText::readable(input) + ": "
            + ChineseReasons::text(warning);
}

QStringList &WindowConversionHost::warningsOfKind(SkipReason::Kind kind)
{
    switch (kind) {
    case SkipReason::Kind::GlyphsMissing: return m_missingGlyphWarnings;
    case SkipReason::Kind::InvalidBytes:
    case SkipReason::Kind::MarkContradicts: return m_encodingWarnings;
    default: return m_offPageWarnings;
    }
}

void WindowConversionHost::outputFolderUnusable(const std::string &folder, int errorNumber)
{
    m_unusableFolder
        = QString::fromStdString(folder) + ": " + ChineseReasons::errorText(errorNumber);
}

void WindowConversionHost::pdfFailed(const std::string &, const std::string &message)
{
    m_writerFailure = QString::fromStdString(message);
}

void WindowConversionHost::showUnusableFolder()
{
    if (m_unusableFolder.isEmpty())
        return;
    MessageBoxService::instance().show(
        nullptr,
        QCoreApplication::translate("WindowConversionHost", "无法写入输出文件夹：") + "\n\n"
            + m_unusableFolder,
        "Tervolan", MessageBoxService::Icon::Warning);
    m_unusableFolder.clear();
}

bool WindowConversionHost::endOnWriterFailure()
{
    if (!m_writerFailure)
        return false;
    const QString message = *std::exchange(m_writerFailure, std::nullopt);
    MessageBoxService::instance().show(nullptr, message, "PDF", MessageBoxService::Icon::Error);
    m_endProgram(1);
    return true;
}

void WindowConversionHost::setValue(int value)
{
    if (m_shownValue == value)
        return;
    m_shownValue = value;
    m_showProgress(value);
}

QStringList WindowConversionHost::takeSkipped()
{
    QStringList skipped;
    skipped.swap(m_skipped);
    return skipped;
}

QStringList WindowConversionHost::takeOffPageWarnings()
{
    return std::exchange(m_offPageWarnings, {});
}

QStringList WindowConversionHost::takeMissingGlyphWarnings()
{
    return std::exchange(m_missingGlyphWarnings, {});
}

QStringList WindowConversionHost::takeEncodingWarnings()
{
    return std::exchange(m_encodingWarnings, {});
}
