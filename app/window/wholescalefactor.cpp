#include "app/window/wholescalefactor.h"

#include <QGuiApplication>
#include <QList>

#include <algorithm>
#include <cmath>

namespace {

QByteArray roundedFactor(const QByteArray &factor)
{
    bool isNumber = false;
    double value = factor.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return factor;
    return QByteArray::number(std::max(1.0, std::round(value)));
}

// A screen's factor may follow its name: "eDP-1=1.5".
QByteArray roundedEntry(const QByteArray &entry)
{
    qsizetype equals = entry.lastIndexOf('=');
    if (equals < 0)
        return roundedFactor(entry);
    return entry.left(equals + 1) + roundedFactor(entry.mid(equals + 1));
}

void roundVariable(const char *name)
{
    if (qEnvironmentVariableIsSet(name))
        qputenv(name, WholeScaleFactor::rounded(qgetenv(name)));
}

} // namespace

namespace WholeScaleFactor {

QByteArray rounded(const QByteArray &factors)
{
    QList<QByteArray> entries = factors.split(';');
    for (QByteArray &entry : entries) {
        if (!entry.isEmpty())
            entry = roundedEntry(entry);
    }
    return entries.join(';');
}

void roundBeforeStart()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY"))
        return;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    roundVariable("QT_SCALE_FACTOR");
    roundVariable("QT_SCREEN_SCALE_FACTORS");
}

} // namespace WholeScaleFactor
