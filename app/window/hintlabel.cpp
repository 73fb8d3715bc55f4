#include "app/window/hintlabel.h"

HintLabel::HintLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void HintLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(shownText(caption));
}

QString HintLabel::shownText(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}
