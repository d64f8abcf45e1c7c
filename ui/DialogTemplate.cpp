#include "ui/DialogTemplate.h"

#include "ui/GbkText.h"
#include "ui/TriStateButton.h"
#include "ui/UiTexts.h"
#include "ui/UpDownControl.h"
#include "ui/controller/ControlIds.h"
#include "ui/controller/LayoutMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionComplex>

#include <array>

namespace joseki {

namespace {

using K = ControlKind;

// Dialog units: x, y, width, height. Hidden controls are also disabled.
constexpr std::array<ControlTemplate, 23> kControls{{
    {kCommentBox, K::CommentEdit, "", 347, 17, 120, 117, true, true},
    {kHintLine, K::SunkenText, uiTexts::kHintCaption, 347, 144, 119, 11, true, true},
    {kAboutButton, K::PushButton, uiTexts::kAboutCaption, 347, 337, 38, 15, false, false},
    {kHelpButton, K::PushButton, uiTexts::kHelpCaption, 452, 16, 38, 15, false, false},
    {kInfoPanel, K::SunkenPanel, "", 347, 220, 121, 50, true, true},
    {kPicture, K::Picture, "", 348, 276, 120, 71, true, true},
    {kCollectButton, K::PushButton, uiTexts::kCollectCaption, 347, 181, 30, 15, true, false},
    {kUpBranchButton, K::PushButton, uiTexts::kUpBranchCaption, 385, 181, 30, 15, true, false},
    {kBackButton, K::FlatButton, "<", 463, 198, 18, 14, false, false},
    {kNextButton, K::FlatButton, ">", 487, 198, 18, 14, false, false},
    {kAutoPlayButton, K::PushButton, uiTexts::kAutoPlayCaption, 424, 181, 46, 15, true, false},
    {kTenukiButton, K::PushButton, uiTexts::kTenukiCaption, 234, 3, 38, 15, true, true},
    {kSpeedEdit, K::SpeedEdit, "", 474, 181, 13, 12, true, true},
    {kSpeedSpin, K::UpDown, "", 487, 180, 7, 15, true, true},
    {kMoveNumberLabel, K::PlainText, uiTexts::kMoveNumberCaption, 349, 166, 17, 8, true, true},
    {kMoveNumberCombo, K::DropDownList, "", 368, 163, 45, 69, true, true},
    {kWebsiteStrip, K::PlainText, uiTexts::kWebsiteCaption, 7, 339, 318, 12, true, true},
    {kTrialButton, K::PushButton, uiTexts::kTrialCaption, 348, 200, 44, 15, true, false},
    {kTrialRestartButton, K::PushButton, uiTexts::kTrialRestartCaption, 470, 224, 44, 15, false, false},
    {kTrialEndButton, K::PushButton, uiTexts::kTrialEndCaption, 400, 200, 44, 15, true, false},
    {kCoordinatesCheck, K::CheckBox, uiTexts::kCoordinatesCaption, 422, 164, 30, 10, true, true},
    {kTextureButton, K::TriStateButton, uiTexts::kTextureCaption, 455, 161, 35, 15, true, true},
    {kAcknowledgeButton, K::PushButton, uiTexts::kAcknowledgeCaption, 406, 337, 38, 15, false, false},
}};

constexpr std::array<const char*, 6> kMoveNumberEntries{uiTexts::kNoMoveNumbers,      uiTexts::kLastMoveNumber,
                                                        uiTexts::kLastTwoMoveNumbers, uiTexts::kLastFiveMoveNumbers,
                                                        uiTexts::kLastTenMoveNumbers, uiTexts::kAllMoveNumbers};

constexpr const char* kControlIdProperty = "controlId";

// The template font: 9 points at 96 dpi is an em of 12 pixels, and a
// Song-style face there has the same 12-pixel ideographs and 6-pixel digits.
constexpr const char* kTemplateFace = "Noto Serif CJK SC";
constexpr const char* kFallbackFace = "WenQuanYi Zen Hei";
constexpr int kTemplateFontPixels = 12;

// The drop-down list the way the platform draws it: the list drops below the
// box instead of opening over it, and the box gives its text the room the
// template made for it. The style's own arrow button and margins take so
// much of the 68-pixel box that they would cut "最后10手" and "显示全部".
class DropDownListStyle : public QProxyStyle {
public:
    static constexpr int kFrameWidth = 1;
    static constexpr int kArrowWidth = 15;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox || (sub != SC_ComboBoxArrow && sub != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect inside = option->rect.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
        const QRect part = sub == SC_ComboBoxArrow
                               ? QRect(inside.right() - kArrowWidth + 1, inside.top(), kArrowWidth, inside.height())
                               : inside.adjusted(0, 0, -kArrowWidth, 0);
        return visualRect(option->direction, option->rect, part);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for the process: a widget does not own the style it is given.
QStyle* dropDownListStyle()
{
    static auto* style = new DropDownListStyle();
    return style;
}

QWidget* createDropDownList(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setStyle(dropDownListStyle());
    for (const char* entry : kMoveNumberEntries)
        combo->addItem(gbkToQString(entry));
    combo->setCurrentIndex(-1);
    combo->setMaxVisibleItems(static_cast<int>(kMoveNumberEntries.size()));
    return combo;
}

QWidget* createCommentEdit(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return edit;
}

QWidget* createLabel(const QString& caption, QFrame::Shadow shadow, bool framed, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    if (framed)
        label->setFrameStyle(QFrame::Panel | shadow);
    return label;
}

QWidget* createPicture(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(QStringLiteral(":/res/%1.png").arg(DialogTemplate::kPictureBitmap)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* createPushButton(const QString& caption, bool flat, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setFlat(flat);
    // Enter never presses a button of this dialog.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* createSpeedEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignCenter);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QWidget* createWidget(const ControlTemplate& control, QWidget* parent)
{
    const QString caption = gbkToQString(control.caption);
    switch (control.kind) {
    case K::CommentEdit:
        return createCommentEdit(parent);
    case K::SunkenText:
        return createLabel(caption, QFrame::Sunken, true, parent);
    case K::PlainText:
        return createLabel(caption, QFrame::Plain, false, parent);
    case K::SunkenPanel:
        return createLabel(caption, QFrame::Sunken, true, parent);
    case K::Picture:
        return createPicture(parent);
    case K::PushButton:
        return createPushButton(caption, false, parent);
    case K::FlatButton:
        return createPushButton(caption, true, parent);
    case K::SpeedEdit:
        return createSpeedEdit(parent);
    case K::UpDown:
        return new UpDownControl(parent);
    case K::DropDownList:
        return createDropDownList(parent);
    case K::CheckBox:
        return new QCheckBox(caption, parent);
    case K::TriStateButton: {
        auto* button = new TriStateButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    }
    return new QWidget(parent);
}

// The template height of the drop-down list includes its dropped part; the
// closed box is one line of the template font with its border, as the
// platform makes it.
constexpr int kClosedListHeightUnits = 13;

} // namespace

std::span<const ControlTemplate> DialogTemplate::controls() { return kControls; }

std::string DialogTemplate::caption() { return uiTexts::kDialogCaption; }

QFont DialogTemplate::font()
{
    QFont font;
    font.setFamilies({QString::fromLatin1(kTemplateFace), QString::fromLatin1(kFallbackFace)});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(kTemplateFontPixels);
    return font;
}

QWidget* DialogTemplate::createControl(const ControlTemplate& control, QWidget* parent)
{
    QWidget* widget = createWidget(control, parent);
    widget->setProperty(kControlIdProperty, control.id);
    const int heightUnits = control.kind == K::DropDownList ? kClosedListHeightUnits : control.height;
    const Rect rect = dialogUnitRect(control.x, control.y, control.width, heightUnits);
    widget->setGeometry(rect.left, rect.top, rect.width(), rect.height());
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    return widget;
}

} // namespace joseki
