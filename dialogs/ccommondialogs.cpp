#include "dialogs/ccommondialogs.h"

#include "dialogs/dialogbackend.h"
#include "platform/gdi/gdicolor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int MaxPathLength = 260;
constexpr int MaxSaveNameLength = 255;
constexpr int MaxFaceNameLength = 32;
// Characters from here on take more than one byte in a face name.
constexpr char16_t FirstNonAsciiCharacter = 0x80;
constexpr int PointsPerInch = 72;
// What a desktop without a screen to ask is taken to have.
constexpr int DefaultPixelsPerInch = 96;

QColor fromBgr(uint32_t value)
{
    return QColor(Gdi::red(value), Gdi::green(value), Gdi::blue(value));
}

uint32_t toBgr(const QColor &color)
{
    return Gdi::rgb(color.red(), color.green(), color.blue());
}

int desktopPixelsPerInch()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : DefaultPixelsPerInch;
}

} // namespace

void CCommonDialogs::Init(QWidget *ownerForm)
{
    m_owner = ownerForm;
}

QString CCommonDialogs::upToNul(const QString &text)
{
    qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString CCommonDialogs::folderOf(const QString &path)
{
    qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QString() : path.left(slash);
}

QStringList CCommonDialogs::nameFilters(const QString &filter)
{
    QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters;
}

int CCommonDialogs::MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    long long product = (long long)a * b;
    long long half = (c > 0 ? c : -c) / 2;
    bool negative = (product < 0) != (c < 0);
    long long magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -(long long)c : c);
    return int(negative ? -magnitude : magnitude);
}

QString CCommonDialogs::singleByteFaceName(const QString &name)
{
    QString face;
    for (QChar c : name) {
        if (c.unicode() == 0 || c.unicode() >= FirstNonAsciiCharacter
            || face.size() == MaxFaceNameLength)
            break;
        face += c;
    }
    return face;
}

bool CCommonDialogs::ShowOpen()
{
    if (!m_owner || FileName().size() > MaxPathLength)
        return false;
    DialogBackend::FileRequest request;
    request.title = Title();
    request.folder = QDir::currentPath();
    request.proposedName = FileName();
    request.filters = nameFilters(m_filter);
    request.selectedFilter = 0;
    request.defaultSuffix = m_defExt;
    request.mustExist = true;
    std::optional<QString> chosen = DialogBackend::instance().openFile(m_owner, request);
    if (!chosen || chosen->isEmpty())
        return false;
    m_fileTitle = QFileInfo(*chosen).fileName();
    m_fileName = *chosen;
    m_path = folderOf(m_fileName);
    return true;
}

// Saving starts in Path when it names a folder, else in the program's
// folder, which then stays in Path even if the person cancels.
void CCommonDialogs::settleSavePath()
{
    QString programFolder = QCoreApplication::applicationDirPath();
    if (m_path.trimmed().isEmpty()) {
        m_path = programFolder;
        return;
    }
    if (!m_path.endsWith('/'))
        m_path += '/';
    if (!QFileInfo(m_path).isDir())
        m_path = programFolder;
}

bool CCommonDialogs::ShowSave()
{
    settleSavePath();
    if (!m_owner)
        return false;
    DialogBackend::FileRequest request;
    request.title = "Save";
    request.folder = Path();
    request.filters = nameFilters(m_filter.trimmed().isEmpty() ? QString("*.*|*") : m_filter);
    request.selectedFilter = 0;
    std::optional<QString> chosen = DialogBackend::instance().saveFile(m_owner, request);
    // A name longer than its buffer is refused: cut, it would name another
    // file.
    if (!chosen || chosen->isEmpty() || chosen->size() > MaxSaveNameLength)
        return false;
    m_fileTitle = QFileInfo(*chosen).fileName();
    m_fileName = *chosen;
    m_path = folderOf(FileName());
    return true;
}

bool CCommonDialogs::ShowFolder()
{
    if (!m_owner)
        return false;
    std::optional<QString> chosen = DialogBackend::instance().folder(m_owner, Title());
    // A folder whose path does not fit the path buffer has no path to give.
    if (!chosen || upToNul(*chosen).size() > MaxPathLength)
        return false;
    m_path = upToNul(*chosen);
    m_fileName.clear();
    m_fileTitle.clear();
    return true;
}

bool CCommonDialogs::ShowColor(bool fullOpen)
{
    if (!m_owner)
        return false;
    std::optional<QColor> chosen
        = DialogBackend::instance().color(m_owner, fromBgr(m_color), fullOpen);
    if (!chosen)
        return false;
    m_color = toBgr(*chosen);
    return true;
}

bool CCommonDialogs::ShowFont()
{
    DialogBackend::FontChoice initial;
    initial.faceName = singleByteFaceName(m_fontName);
    initial.italic = m_fontItalic;
    initial.underline = m_fontUnderLine;
    initial.bold = m_fontBold;
    initial.logicalHeight = -MulDiv(m_fontSize, desktopPixelsPerInch(), PointsPerInch);
    std::optional<DialogBackend::FontChoice> chosen
        = DialogBackend::instance().font(m_owner, initial);
    if (!chosen)
        return false;
    m_fontName = upToNul(chosen->faceName);
    m_fontBold = chosen->bold;
    m_fontItalic = chosen->italic;
    m_fontSize = int16_t(chosen->pointTenths / DialogBackend::FontChoice::TenthsPerPoint);
    return true;
}

bool CCommonDialogs::ShowPrinter()
{
    return m_owner && DialogBackend::instance().print(m_owner);
}

bool CCommonDialogs::ShowPrinterProperties()
{
    return DialogBackend::instance().printerProperties(m_owner);
}
