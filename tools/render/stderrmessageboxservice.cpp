#include "tools/render/stderrmessageboxservice.h"

#include <cstdio>

MessageBoxService::Answer StderrMessageBoxService::show(QWidget *, const QString &text,
                                                        const QString &caption, Icon, Buttons)
{
    std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
    return Answer::Ok;
}
