#include "app/window/windowconversionhost.h"

#include "app/window/chinesereasons.h"
#include "app/window/pathtext.h"
#include "platform/messageboxservice.h"
#include "platform/shellservice.h"

#include <QApplication>

#include <cstdlib>

namespace {

constexpr int EventIntervalMs = 15;

} // namespace

WindowConversionHost::WindowConversionHost(std::function<void(int)> showProgress)
    : m_showProgress(std::move(showProgress))
{
}

void WindowConversionHost::processPendingEvents()
{
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventIntervalMs)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

void WindowConversionHost::beep()
{
    QApplication::beep();
}

void WindowConversionHost::openFolder(const std::string &folder)
{
    QStringList written;
    written.swap(m_written);
    ShellService::instance().showFiles(QString::fromStdString(folder), written);
}

void WindowConversionHost::documentWritten(const std::string &pdfPath)
{
    m_written << QString::fromStdString(pdfPath);
}

void WindowConversionHost::inputSkipped(const std::string &input, const SkipReason &reason)
{
    m_skipped << PathText::readable(input) + ": " + ChineseReasons::text(reason);
}

void WindowConversionHost::inputWarning(const std::string &input, const SkipReason &warning)
{
    m_warnings << PathText::readable(input) + ": " + ChineseReasons::text(warning);
}

void WindowConversionHost::outputFolderUnusable(const std::string &folder, int errorNumber)
{
    MessageBoxService::instance().show(nullptr,
                                       "无法写入输出文件夹：\n\n" + QString::fromStdString(folder)
                                           + ": " + ChineseReasons::errorText(errorNumber),
                                       "Tervolan", MessageBoxService::Icon::Warning);
}

void WindowConversionHost::pdfFailed(const std::string &, const std::string &message)
{
    MessageBoxService::instance().show(nullptr, QString::fromStdString(message), "PDF",
                                       MessageBoxService::Icon::Error);
    std::exit(1);
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

QStringList WindowConversionHost::takeWarnings()
{
    QStringList warnings;
    warnings.swap(m_warnings);
    return warnings;
}
