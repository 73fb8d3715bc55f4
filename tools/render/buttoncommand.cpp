#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"
#include "controls/button/kavobutton.h"
#include "tools/render/rendercommand.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const QStringList States = {"normal", "hover", "pressed", "disabled", "focused", "default"};

const char *const LookNames[]
    = {"FramedRaised", "Classic",    "XPStyle",  "RoundedBorder", "EtchedBold",
       "SoftRaised",   "ThinRaised", "FlatThin", "FlatHighlight", "PictureOnly",
       "Transparent",  "Flat3D",     "Round",    "Gradient"};

// Diagonal stripes behind the button, so that the Transparent look and the
// cut-away corners of the window region can be seen.
class Backdrop : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xF4, 0xF4, 0xF4));
        painter.setPen(QPen(QColor(0x9C, 0xC6, 0xE8), 3));
        for (int x = -height(); x < width(); x += 10)
            painter.drawLine(x, height(), x + height(), 0);
    }
};

struct ButtonOptions {
    int scheme = 1;
    std::optional<Gdi::ColorRef> backColor;
    std::optional<Gdi::ColorRef> backOver;
    std::optional<Gdi::ColorRef> foreColor;
    bool softBevel = false;
    QString caption = QStringLiteral("Button");
    ButtonPicture picture;
    int picturePosition = 0;
    int effect = 0;
};

// One button of the given look in one state, with everything outside its
// window region showing the backdrop.
QImage drawButton(const ButtonOptions &o, int type, const QString &stateName, QSize size)
{
    Backdrop backdrop;
    backdrop.setAttribute(Qt::WA_DontShowOnScreen);
    backdrop.resize(size);
    KAVOButton button(&backdrop);
    button.setGeometry(0, 0, size.width(), size.height());
    AmbientProperties ambient;
    ambient.displayAsDefault = stateName == QLatin1String("default");
    button.setAmbient(ambient);
    button.setColorScheme(o.scheme);
    if (o.backColor)
        button.setBackColor(*o.backColor);
    button.setBackOver(o.backOver ? *o.backOver : button.BackColor());
    if (o.foreColor) {
        button.setForeColor(*o.foreColor);
        button.setForeOver(*o.foreColor);
    }
    button.setSoftBevel(o.softBevel);
    button.setCaption(o.caption);
    button.setPictureNormal(o.picture);
    button.setPicturePosition(o.picturePosition);
    button.setSpecialEffect(o.effect);
    button.setButtonType(type);
    backdrop.show();
    QCoreApplication::processEvents();
    if (stateName == QLatin1String("disabled"))
        button.setEnabled(false);

    // Hover and focus are drawn from a copy of the button's frame, as the
    // pointer and the keyboard would leave it.
    const bool hover = stateName == QLatin1String("hover");
    ButtonFrame frame = button.frame();
    frame.isHovering = hover;
    frame.hasFocus = stateName == QLatin1String("focused");
    frame.palette = ButtonColor::FramePalette(button.properties(), button.buttonPalette(), hover);
    Gdi::Surface surface(size.width(), size.height());
    ButtonPainter::Paint(surface, frame, button.paintMemory(),
                         stateName == QLatin1String("pressed") ? PaintDown : PaintUp,
                         /*force*/ true);

    QImage image = backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRegion region = ButtonLayout::BuildRegion(type, size.width(), size.height());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (region.contains(QPoint(x, y)))
                image.setPixel(x, y, surface.image().pixel(x, y));
    return image;
}

QImage drawSheet(const ButtonOptions &o, QSize cell)
{
    constexpr int Gap = 8;
    constexpr int LabelWidth = 128;
    constexpr int HeaderHeight = 22;
    const int columns = int(States.size());
    QImage sheet(LabelWidth + columns * (cell.width() + Gap) + Gap,
                 HeaderHeight + 14 * (cell.height() + Gap) + Gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    for (int column = 0; column < columns; ++column)
        painter.drawText(
            QRect(LabelWidth + column * (cell.width() + Gap), 0, cell.width(), HeaderHeight),
            Qt::AlignCenter, States[column]);
    for (int type = 1; type <= 14; ++type) {
        const int top = HeaderHeight + (type - 1) * (cell.height() + Gap);
        painter.drawText(QRect(Gap, top, LabelWidth - Gap, cell.height()), Qt::AlignVCenter,
                         QStringLiteral("%1 %2").arg(type).arg(LookNames[type - 1]));
        for (int column = 0; column < columns; ++column)
            painter.drawImage(LabelWidth + column * (cell.width() + Gap), top,
                              drawButton(o, type, States[column], cell));
    }
    return sheet;
}

class ButtonCommand : public RenderCommand {
public:
    QString name() const override { return QStringLiteral("button"); }
    QString description() const override
    {
        return QStringLiteral(
            "the push button (KAVOButton); --sheet draws every look in every state");
    }
    QSize defaultSize() const override { return {100, 30}; }

    QList<QCommandLineOption> options() const override
    {
        return {
            {"type", "look 1-14 (default 2)", "N"},
            {"state", "normal (default), hover, pressed, disabled, focused or default", "STATE"},
            {"scheme", "colour scheme 1-4 (default 1)", "N"},
            {"back-color", "face colour 0x00BBGGRR (scheme 2)", "COLOUR"},
            {"back-over", "face colour while hovered (scheme 2)", "COLOUR"},
            {"fore-color", "caption colour (scheme 2)", "COLOUR"},
            {"soft-bevel", "halve every shade step"},
            {"caption", "caption, \"&\" marks the access key (default \"Button\")", "TEXT"},
            {"picture", "picture file (.bmp, .png; .ico draws as an icon)", "FILE"},
            {"picture-position", "0 left (default), 1 right, 2 top, 3 bottom, 4 centre", "N"},
            {"effect", "caption effect 0 none, 1 raised, 2 sunken, 3 shadow", "N"},
            {"sheet", "every look in every state on one PNG; --size is one button's size"},
        };
    }

    QImage render(const QCommandLineParser &parser, QSize size, QString &error) const override
    {
        ButtonOptions o;
        o.scheme = intOption(parser, "scheme", 1, error);
        if (parser.isSet("back-color"))
            o.backColor = colourOption(parser, "back-color", 0, error);
        if (parser.isSet("back-over"))
            o.backOver = colourOption(parser, "back-over", 0, error);
        if (parser.isSet("fore-color"))
            o.foreColor = colourOption(parser, "fore-color", 0, error);
        o.softBevel = parser.isSet("soft-bevel");
        if (parser.isSet("caption"))
            o.caption = parser.value("caption");
        o.picturePosition = intOption(parser, "picture-position", 0, error);
        o.effect = intOption(parser, "effect", 0, error);
        const int type = intOption(parser, "type", 2, error);
        const QString state = parser.isSet("state") ? parser.value("state") : States[0];
        if (!States.contains(state))
            error = QStringLiteral("--state needs one of %1, not \"%2\"")
                        .arg(States.join(", "), state);
        if (parser.isSet("picture")) {
            o.picture = ButtonPicture::load(parser.value("picture"));
            if (o.picture.isNull())
                error = QStringLiteral("cannot read the picture %1").arg(parser.value("picture"));
        }
        if (!error.isEmpty())
            return {};
        if (parser.isSet("sheet"))
            return drawSheet(o, size);
        return drawButton(o, type, state, size);
    }
};

const bool registered = RenderCommand::add(std::make_unique<ButtonCommand>());

} // namespace
