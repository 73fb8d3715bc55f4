#include "controls/xpcombo/xpcombo.h"

#include "controls/xpcombo/combobackground.h"
#include "controls/xpcombo/comboinput.h"
#include "controls/xpcombo/combolistchooser.h"
#include "controls/xpcombo/combolistfile.h"
#include "platform/twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace {

// Positions of the inner parts, in twips.
constexpr int ButtonTop = 30;
constexpr int ButtonFromRight = 285;
constexpr int ListTop = 30;
constexpr int TextLeft = 75;
constexpr int TextTop = 60;
constexpr int TextRightMargin = 375;
// The border the panel draws round the control, in pixels.
constexpr int BorderWidth = 1;
// The largest font, in points, that fits the field at TextTop.
constexpr double LargestUnshiftedPoints = 8;

// Font sizes given in pixels are measured at the layouts' screen.
constexpr double PointsPerInch = 72.0;
constexpr double LayoutDotsPerInch = 96.0;

// A line edit holds at most this many characters; it stands for "no limit".
constexpr int UnlimitedLength = 32767;

QColor toQColor(Gdi::ColorRef colour)
{
    const std::int32_t plain = Gdi::translateColor(colour);
    return QColor(Gdi::toQRgb(plain < 0 ? 0 : Gdi::ColorRef(plain)));
}

double pointSize(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * PointsPerInch / LayoutDotsPerInch;
}

} // namespace

XPCombo::XPCombo(QWidget *parent)
    : UserControl(parent)
    , m_jCombo(new QComboBox(this))
    , m_backMain(new ComboBackground(this))
    , m_jTexto(new QLineEdit(this))
    , m_jImgCbo(new QLabel(this))
    , m_list(m_jCombo)
{
    // Stacked bottom to top: the list box, the panel hiding it, the text
    // field and the drop button. The list box is reached only through the
    // drop button.
    m_jCombo->setObjectName(QStringLiteral("JCombo"));
    m_jCombo->setFont(QFont(QStringLiteral("Tahoma")));
    m_jCombo->setFocusPolicy(Qt::NoFocus);
    m_jCombo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_backMain->setObjectName(QStringLiteral("BackMain"));
    m_jTexto->setObjectName(QStringLiteral("JTexto"));
    m_jTexto->setFrame(false);
    m_jTexto->setMouseTracking(true);
    m_jImgCbo->setObjectName(QStringLiteral("JImgCbo"));
    m_jImgCbo->setMouseTracking(true);
    m_input = new ComboInput(this, m_jTexto, m_jImgCbo);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_jTexto);

    applyTextColours();
    showPicture(ComboPictures::Normal);
    connect(m_jTexto, &QLineEdit::textChanged, this, [this] { emit Change(); });
    connect(m_jCombo, &QComboBox::activated, this, [this] { copySelectionToText(); });
    m_chooser = new ComboListChooser(m_jCombo->view());
    connect(m_chooser, &ComboListChooser::chosenFromOutside, this, &XPCombo::chooseFromOpenList);
    resize(Twips::toPixels(DefaultWidth), Twips::toPixels(FixedHeight));
    ArrangeParts();
}

QString XPCombo::Text() const
{
    return m_jTexto->text();
}

void XPCombo::setText(const QString &text)
{
    m_jTexto->setText(text);
    notify(Property::Text);
}

void XPCombo::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    notify(Property::FileName);
}

void XPCombo::setBackColor(Gdi::ColorRef colour)
{
    m_textBackColor = colour;
    m_backMain->setBackColor(colour);
    applyTextColours();
    notify(Property::BackColor);
}

QFont XPCombo::Font() const
{
    return m_jTexto->font();
}

void XPCombo::setFont(const QFont &font)
{
    applyFont(font);
    notify(Property::Font);
    ArrangeParts();
}

// The dropped list shows the items in the field's font, so a chosen item
// reads the same in both.
void XPCombo::applyFont(const QFont &font)
{
    m_jTexto->setFont(font);
    m_jCombo->setFont(font);
}

void XPCombo::setForeColor(Gdi::ColorRef colour)
{
    m_foreColor = colour;
    applyTextColours();
    notify(Property::ForeColor);
}

int XPCombo::ListIndex() const
{
    return m_list.selection();
}

void XPCombo::setListIndex(int index)
{
    m_list.select(index);
    if (m_list.selection() >= 0)
        copySelectionToText();
    notify(Property::ListIndex);
}

int XPCombo::ListCount() const
{
    return m_list.count();
}

bool XPCombo::Locked() const
{
    return m_jTexto->isReadOnly();
}

void XPCombo::setLocked(bool locked)
{
    m_jTexto->setReadOnly(locked);
    notify(Property::Locked);
}

void XPCombo::setMaxLength(int length)
{
    m_maxLength = length;
    applyMaxLength();
    notify(Property::MaxLength);
}

QString XPCombo::ToolTipText() const
{
    return m_jTexto->toolTip();
}

void XPCombo::setToolTipText(const QString &text)
{
    m_jTexto->setToolTip(text);
    notify(Property::ToolTipText);
}

void XPCombo::setFieldName(const QString &name)
{
    keepFieldName(name);
    notify(Property::FieldName);
}

void XPCombo::keepFieldName(const QString &name)
{
    // Only data binding would read it; the field keeps it for that.
    m_fieldName = name;
    m_jTexto->setProperty("FieldName", name);
}

int XPCombo::SelStart() const
{
    return m_jTexto->hasSelectedText() ? m_jTexto->selectionStart() : m_jTexto->cursorPosition();
}

int XPCombo::SelLength() const
{
    return int(m_jTexto->selectedText().size());
}

QString XPCombo::SelText() const
{
    return m_jTexto->selectedText();
}

void XPCombo::setTagCode(bool on)
{
    m_list.setTagCode(on);
    notify(Property::TagCode);
}

void XPCombo::setEnabled(bool enabled)
{
    m_enabled = enabled;
    notify(Property::Enabled);
    m_jTexto->setEnabled(enabled);
    if (enabled) {
        ResetPic();
        m_backMain->setBorderColor(BorderColour);
    } else {
        showPicture(ComboPictures::Disabled);
        m_backMain->setBorderColor(DisabledBorderColour);
    }
}

void XPCombo::AddItem(const QString &item, std::optional<int> index)
{
    m_list.insertItem(item, index);
    // Selecting LastIndex even when nothing was added: on an empty list
    // that fails, as the list box would.
    m_list.select(m_list.lastIndex());
    copySelectionToText();
    emit Change();
}

bool XPCombo::InsertItem(const QString &item, std::optional<int> index)
{
    return m_list.insertItem(item, index);
}

void XPCombo::UpdateItem(const QString &item, int index)
{
    if (!m_list.updateItem(item, index))
        return;
    copySelectionToText();
    emit Change();
}

QString XPCombo::GetItem(std::optional<int> index) const
{
    return m_list.item(index);
}

void XPCombo::RemoveItem(std::optional<int> index)
{
    if (m_list.removeItem(index))
        emit Change();
}

void XPCombo::Clear()
{
    m_list.clear();
}

QString XPCombo::GetTagCode() const
{
    return m_list.selectedTag();
}

bool XPCombo::SetTagCode(const QString &tgCode, int &startingFromIndex)
{
    const bool found = m_list.findTag(tgCode, startingFromIndex);
    if (found)
        copySelectionToText();
    else
        m_jTexto->clear();
    emit Change();
    return found;
}

void XPCombo::ResetPic()
{
    if (m_shownPicture != ComboPictures::Normal)
        showPicture(ComboPictures::Normal);
}

void XPCombo::showPicture(ComboPictures::Look look)
{
    m_shownPicture = look;
    m_jImgCbo->setPixmap(QPixmap::fromImage(ComboPictures::draw(look).image()));
}

void XPCombo::applyMaxLength()
{
    m_jTexto->setMaxLength(m_maxLength > 0 ? m_maxLength : UnlimitedLength);
}

void XPCombo::copySelectionToText()
{
    m_jTexto->setText(m_list.selectedText());
}

void XPCombo::applyTextColours()
{
    // A disabled field keeps its background but greys its text.
    QPalette palette = m_jTexto->palette();
    palette.setColor(QPalette::Base, toQColor(m_textBackColor));
    palette.setColor(QPalette::Active, QPalette::Text, toQColor(m_foreColor));
    palette.setColor(QPalette::Inactive, QPalette::Text, toQColor(m_foreColor));
    m_jTexto->setPalette(palette);
}

void XPCombo::onResize()
{
    ArrangeParts();
}

void XPCombo::ArrangeParts()
{
    if (m_arranging)
        return;
    m_arranging = true;
    int w = Twips::fromPixels(width());
    if (w < MinWidth)
        w = MinWidth;
    const int widthPx = std::max(width(), Twips::toPixels(w));
    const int heightPx = Twips::toPixels(FixedHeight);
    if (size() != QSize(widthPx, heightPx))
        resize(widthPx, heightPx);

    m_backMain->setGeometry(0, 0, widthPx, heightPx);
    m_backMain->setBorder(Gdi::Rect::box(0, 0, widthPx, heightPx));
    m_jImgCbo->setGeometry(Twips::toPixels(w - ButtonFromRight), Twips::toPixels(ButtonTop),
                           ComboPictures::Size, ComboPictures::Size);
    // The list box ends where the control ends, so its list drops right
    // below the control.
    const int listTop = Twips::toPixels(ListTop);
    m_jCombo->setGeometry(0, listTop, widthPx, heightPx - listTop);

    // Larger fonts move the field up a pixel per point above 8 so the text
    // stays inside the border.
    int textTop = TextTop;
    const double points = pointSize(m_jTexto->font());
    if (points > LargestUnshiftedPoints)
        textTop = TextTop - int(std::nearbyint(points - LargestUnshiftedPoints)) * Twips::PerPixel;
    // A tall font would still cover the bottom border: the field ends above
    // it, and the text it cannot hold is cut.
    const int textTopPx = Twips::toPixels(textTop);
    const int textHeight
        = std::min(QFontMetrics(m_jTexto->font()).height() + 1, heightPx - BorderWidth - textTopPx);
    m_jTexto->setGeometry(Twips::toPixels(TextLeft), textTopPx,
                          Twips::toPixels(w - TextRightMargin), textHeight);
    m_arranging = false;
}

QString XPCombo::listFilePath() const
{
    const QString name = ambient().displayName.isEmpty() ? objectName() : ambient().displayName;
    return ComboListFile::path(m_fileName, name);
}

bool XPCombo::SaveToFile()
{
    return ComboListFile::save(m_list, listFilePath());
}

bool XPCombo::LoadedFromFile()
{
    ComboListFile file;
    return file.load(m_list, listFilePath());
}

void XPCombo::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_input->alreadyRaised(event))
        m_input->raiseKeyUp(event);
    UserControl::keyReleaseEvent(event);
}
