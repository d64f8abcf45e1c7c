#include "TitlePicture.h"

#include "StoneBowl.h"
#include "StoneImages.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

namespace resgen {

namespace {

const QString kTitle = QString::fromUtf16(u"Kavo围棋定式");
const QString kSubtitle = QString::fromUtf16(u"定式大全 4.1 版");

constexpr double kTitlePixelSize = 50.0;
constexpr double kSubtitlePixelSize = 19.0;
constexpr double kTitleBaseline = 72.0;
constexpr double kSubtitleBaseline = 108.0;
constexpr double kRuleY = 84.0;
constexpr double kRuleHalfWidth = 120.0;

const QColor kBackTop(46, 30, 20);
const QColor kBackBottom(18, 11, 8);
const QColor kGlow(120, 74, 36, 110);
const QColor kTitleLight(255, 236, 186);
const QColor kTitleDark(222, 172, 92);
const QColor kTitleOutline(40, 20, 8, 200);
const QColor kSubtitleColour(226, 206, 164);
const QColor kRuleColour(214, 168, 96, 160);
const QColor kShadow(0, 0, 0, 120);

// Table: the lower part of the picture, a dark polished wood surface.
constexpr double kTableTop = 142.0;
const QColor kTableFar(70, 40, 20);
const QColor kTableNear(36, 20, 10);

constexpr double kBlackBowlX = 104.0;
constexpr double kBlackBowlY = 160.0;
constexpr double kWhiteBowlX = 424.0;
constexpr double kWhiteBowlY = 160.0;
constexpr double kBowlWidth = 150.0;
constexpr unsigned kBlackBowlSeed = 7U;
constexpr unsigned kWhiteBowlSeed = 19U;

constexpr double kShadowOffset = 2.0;

QString pickFamily(const QStringList& preferred)
{
    const QStringList available = QFontDatabase::families();
    for (const QString& family : preferred) {
        if (available.contains(family))
            return family;
    }
    return preferred.back();
}

QFont titleFont(double pixelSize, bool serif)
{
    const QStringList serifs = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    QFont font(pickFamily(serif ? serifs : sans));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setWeight(serif ? QFont::Bold : QFont::Medium);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintBackground(QPainter& p)
{
    QLinearGradient back(0, 0, 0, TitlePicture::kHeight);
    back.setColorAt(0.0, kBackTop);
    back.setColorAt(1.0, kBackBottom);
    p.fillRect(QRectF(0, 0, TitlePicture::kWidth, TitlePicture::kHeight), back);

    QLinearGradient table(0, kTableTop, 0, TitlePicture::kHeight);
    table.setColorAt(0.0, kTableFar);
    table.setColorAt(1.0, kTableNear);
    p.fillRect(QRectF(0, kTableTop, TitlePicture::kWidth, TitlePicture::kHeight - kTableTop), table);

    QRadialGradient glow(QPointF(TitlePicture::kWidth / 2.0, kTitleBaseline), 260.0);
    glow.setColorAt(0.0, kGlow);
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, TitlePicture::kWidth, TitlePicture::kHeight), glow);
}

QPainterPath centredText(const QString& text, const QFont& font, double baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    path.translate(TitlePicture::kWidth / 2.0 - r.center().x(), baseline);
    return path;
}

void paintTitle(QPainter& p)
{
    const QPainterPath title = centredText(kTitle, titleFont(kTitlePixelSize, true), kTitleBaseline);
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPath(title.translated(kShadowOffset, kShadowOffset));

    const QRectF r = title.boundingRect();
    QLinearGradient gold(0, r.top(), 0, r.bottom());
    gold.setColorAt(0.0, kTitleLight);
    gold.setColorAt(1.0, kTitleDark);
    p.setPen(QPen(kTitleOutline, 1.0));
    p.setBrush(gold);
    p.drawPath(title);

    QLinearGradient rule(TitlePicture::kWidth / 2.0 - kRuleHalfWidth, 0, TitlePicture::kWidth / 2.0 + kRuleHalfWidth,
                         0);
    rule.setColorAt(0.0, QColor(0, 0, 0, 0));
    rule.setColorAt(0.5, kRuleColour);
    rule.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(QPen(QBrush(rule), 1.0));
    p.drawLine(QPointF(TitlePicture::kWidth / 2.0 - kRuleHalfWidth, kRuleY),
               QPointF(TitlePicture::kWidth / 2.0 + kRuleHalfWidth, kRuleY));

    const QPainterPath sub = centredText(kSubtitle, titleFont(kSubtitlePixelSize, false), kSubtitleBaseline);
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPath(sub.translated(1.0, 1.0));
    p.setBrush(kSubtitleColour);
    p.drawPath(sub);
}

struct LooseStone {
    double x;
    double y;
    StoneColour colour;
};

// A few stones on the table between the bowls, as if from a game in progress.
constexpr LooseStone kLooseStones[] = {
    {232.0, 214.0, StoneColour::Black},
    {262.0, 226.0, StoneColour::White},
    {296.0, 212.0, StoneColour::Black},
    {318.0, 234.0, StoneColour::White},
};
constexpr int kLooseStoneSize = 30;
constexpr double kLooseSquash = 0.5;

void paintLooseStones(QPainter& p)
{
    const QImage black = StoneImages::sprite(StoneColour::Black, kLooseStoneSize);
    const QImage white = StoneImages::sprite(StoneColour::White, kLooseStoneSize);
    const double w = kLooseStoneSize;
    const double h = kLooseStoneSize * kLooseSquash;
    for (const LooseStone& s : kLooseStones) {
        QRadialGradient shade(QPointF(0, 0), 1.0);
        shade.setColorAt(0.0, QColor(0, 0, 0, 140));
        shade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.save();
        p.translate(s.x + 3.0, s.y + 4.0);
        p.scale(w * 0.62, h * 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        p.restore();
        p.drawImage(QRectF(s.x - w / 2.0, s.y - h / 2.0, w, h), s.colour == StoneColour::Black ? black : white);
    }
}

} // namespace

QImage TitlePicture::render()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    paintBackground(p);
    StoneBowl(QPointF(kBlackBowlX, kBlackBowlY), kBowlWidth, StoneColour::Black, kBlackBowlSeed).paint(p);
    StoneBowl(QPointF(kWhiteBowlX, kWhiteBowlY), kBowlWidth, StoneColour::White, kWhiteBowlSeed).paint(p);
    paintLooseStones(p);
    paintTitle(p);
    p.end();
    return image;
}

} // namespace resgen
