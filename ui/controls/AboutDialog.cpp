#include "ui/controls/AboutDialog.h"

#include "ui/DialogTemplate.h"
#include "ui/GbkText.h"
#include "ui/UiTexts.h"
#include "ui/controller/LayoutMath.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace joseki {

namespace {

// Template 100, in dialog units of its 9-point font.
constexpr int kWidthUnits = 287;
constexpr int kHeightUnits = 166;

struct UnitRect {
    int x;
    int y;
    int width;
    int height;
};

constexpr int kIconX = 14;
constexpr int kIconY = 14;
constexpr UnitRect kProductRect{40, 10, 119, 8};
constexpr UnitRect kCreditRect{40, 25, 161, 9};
constexpr UnitRect kOkRect{207, 7, 50, 14};
constexpr UnitRect kThanksRect{12, 44, 263, 115};

constexpr const char* kIconPath = ":/res/128.png";

void place(QWidget* widget, const UnitRect& units)
{
    const Rect rect = dialogUnitRect(units.x, units.y, units.width, units.height);
    widget->setGeometry(rect.left, rect.top, rect.width(), rect.height());
}

QLabel* plainLabel(const char* gbkText, QWidget* parent)
{
    auto* label = new QLabel(gbkToQString(gbkText), parent);
    // Shown as written: no mnemonic or markup processing.
    label->setTextFormat(Qt::PlainText);
    // The template's lines are one template-font cell tall; the CJK face's
    // line is taller than its glyphs, so it is centred on the cell rather than
    // hung from its top, which would cut the glyphs at the bottom.
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(gbkToQString(uiTexts::kAcknowledgementsCaption));
    // The same 9-point template font as the main dialog.
    setFont(DialogTemplate::font());
    setFixedSize(dialogUnitsToPixelsX(kWidthUnits), dialogUnitsToPixelsY(kHeightUnits));

    auto* icon = new QLabel(this);
    const QPixmap iconPicture(QString::fromLatin1(kIconPath));
    icon->setPixmap(iconPicture);
    icon->setGeometry(dialogUnitsToPixelsX(kIconX), dialogUnitsToPixelsY(kIconY), iconPicture.width(),
                      iconPicture.height());

    place(plainLabel(uiTexts::kProductLine, this), kProductRect);
    place(plainLabel(uiTexts::kCreditLine, this), kCreditRect);

    okButton_ = new QPushButton(gbkToQString(uiTexts::kOkButton), this);
    okButton_->setProperty("controlId", kOkButtonId);
    okButton_->setDefault(true);
    place(okButton_, kOkRect);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    thanksPanel_ = new QLabel(this);
    thanksPanel_->setProperty("controlId", kThanksPanelId);
    thanksPanel_->setTextFormat(Qt::PlainText);
    thanksPanel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    thanksPanel_->setWordWrap(true);
    thanksPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(thanksPanel_, kThanksRect);

    initialiseDialog();
    okButton_->setFocus();
}

void AboutDialog::initialiseDialog() { thanksPanel_->setText(gbkToQString(uiTexts::kThanks)); }

void AboutDialog::run(QWidget* owner)
{
    AboutDialog dialog(owner);
    dialog.exec();
}

std::string AboutDialog::caption() { return uiTexts::kAcknowledgementsCaption; }

std::string AboutDialog::productLine() { return uiTexts::kProductLine; }

std::string AboutDialog::creditLine() { return uiTexts::kCreditLine; }

std::string AboutDialog::acknowledgementText() { return uiTexts::kThanks; }

QWidget* AboutDialog::controlWidget(int controlId) const
{
    switch (controlId) {
    case kOkButtonId:
        return okButton_;
    case kThanksPanelId:
        return thanksPanel_;
    default:
        return nullptr;
    }
}

} // namespace joseki
