#include "controls/xpcombo/combolistfile.h"

#include "controls/xpcombo/combolist.h"
#include "platform/file/atomicfile.h"
#include "platform/text/textcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {

bool blankOnly(const std::u32string &line)
{
    return std::all_of(line.begin(), line.end(), [](char32_t c) { return c == U' '; });
}

} // namespace

QString ComboListFile::path(const QString &fileName, const QString &controlName)
{
    const QString trimmed = ComboList::trimSpaces(fileName);
    if (!trimmed.isEmpty())
        return trimmed;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + controlName
        + QStringLiteral(".Txt");
}

bool ComboListFile::save(const ComboList &list, const QString &path)
{
    std::string bytes;
    for (int position = 0; position < list.count(); ++position) {
        const QString line = list.item(position);
        bytes += TextCodec::utf32ToGb18030(line.toStdU32String());
        bytes += "\r\n";
    }
    // Written beside the old file and renamed over it, so a full disk or a
    // crash half-way never leaves a damaged list behind.
    AtomicFile file(QFile::encodeName(path).toStdString());
    return file.open() && file.write(bytes) && file.commit();
}

void ComboListFile::setBuffer(std::u32string text)
{
    m_buffer = std::move(text);
    m_cursor = 0;
}

std::u32string ComboListFile::nextListLine(qint32 &position)
{
    if (position == 0) {
        std::erase(m_buffer, U'\n');
        m_buffer.erase(0, m_cursor);
        m_cursor = 0;
        if (m_buffer.empty() || m_buffer.back() != U'\r')
            m_buffer.push_back(U'\r');
    }
    std::u32string line;
    const std::size_t end = m_buffer.find(U'\r', m_cursor);
    qint32 found = 0;
    if (end != std::u32string::npos) {
        found = qint32(end - m_cursor + 1);
        line = m_buffer.substr(m_cursor, end - m_cursor);
        m_cursor = end + 1;
        if (!line.empty() && line.front() == U';')
            line = U";";
    }
    if (line.size() > std::size_t(MaxLineLength))
        line.resize(MaxLineLength);
    position = found;
    return line;
}

bool ComboListFile::load(ComboList &list, const QString &path)
{
    setBuffer({});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return false;
    // read() reserves what it is asked for: ask for the file's size, plus
    // one byte to notice a file that grew past the limit meanwhile.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), MaxFileSize) + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return false;
    file.close();
    setBuffer(TextCodec::gb18030ToUtf32(std::string_view(bytes.constData(), bytes.size())));
    if (m_buffer.empty())
        return false;

    // The first line of two characters or more decides whether the file
    // holds tagged items; shorter lines before it are skipped.
    qint32 position = 0;
    std::u32string line;
    do {
        line = nextListLine(position);
        if (line.size() >= 2)
            break;
        if (position == 0)
            return false;
    } while (true);

    list.clearItems();
    QString first = QString::fromStdU32String(line);
    list.setTagCode(list.splitItem(first));
    list.insertItem(first);

    while (position != 0 && list.count() < ComboList::MaxCount) {
        line = nextListLine(position);
        if (position == 0)
            break;
        if (line == U";" || blankOnly(line))
            continue;
        list.insertItem(QString::fromStdU32String(line));
    }
    return true;
}
