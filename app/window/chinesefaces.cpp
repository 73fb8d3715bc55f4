#include "app/window/chinesefaces.h"

#include <QFont>

namespace ChineseFaces {

void preferSimplifiedChinese()
{
    for (const char *family : {"Tahoma", "Verdana"})
        QFont::insertSubstitution(family, QStringLiteral("Noto Sans CJK SC"));
}

} // namespace ChineseFaces
