#include "app/window/pathtext.h"

#include "platform/text/textcodec.h"

#include <QStringDecoder>

namespace PathText {

QString readable(const std::string &path)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(path.data(), qsizetype(path.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromStdString(TextCodec::gb18030ToUtf8(path));
}

} // namespace PathText
