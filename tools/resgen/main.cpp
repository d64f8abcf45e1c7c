// joseki-resgen OUTDIR: draws every bitmap the program embeds into OUTDIR,
// named by resource number, and the icons installed for the desktop menu
// under OUTDIR/hicolor. The output is deterministic, so regenerating res/
// changes only the files whose drawing code changed.

#include "AppIcon.h"
#include "HandCursor.h"
#include "OutputFolder.h"
#include "PanelPicture.h"
#include "StoneImages.h"
#include "TitlePicture.h"
#include "WoodTexture.h"

#include <QGuiApplication>

#include <cstdio>

using namespace resgen;

namespace {

struct StoneFile {
    const char* name;
    StoneColour colour;
    int side;
    StoneImages::Mark mark;
};

constexpr int kSmallStone = 23;
constexpr int kLargeStone = 33;

const StoneFile kStoneFiles[] = {
    {"133.png", StoneColour::White, kSmallStone, StoneImages::Mark::None},
    {"135.png", StoneColour::Black, kSmallStone, StoneImages::Mark::None},
    {"141.png", StoneColour::White, kLargeStone, StoneImages::Mark::None},
    {"138.png", StoneColour::Black, kLargeStone, StoneImages::Mark::None},
    {"134.png", StoneColour::White, kSmallStone, StoneImages::Mark::Triangle},
    {"136.png", StoneColour::Black, kSmallStone, StoneImages::Mark::Triangle},
    {"139.png", StoneColour::White, kLargeStone, StoneImages::Mark::Triangle},
    {"140.png", StoneColour::Black, kLargeStone, StoneImages::Mark::Triangle},
};

void writeStones(OutputFolder& out)
{
    for (const StoneFile& f : kStoneFiles) {
        const QImage image = StoneImages::keyed(f.colour, f.side, f.mark);
        const QString problem = StoneImages::checkKeyed(image);
        if (!problem.isEmpty())
            out.reportError(QStringLiteral("%1: %2").arg(QLatin1String(f.name), problem));
        out.saveImage(image, QLatin1String(f.name));
    }
}

void writeWoods(OutputFolder& out)
{
    out.saveImage(WoodTexture::render(WoodTexture::lightStriped()), QStringLiteral("150.png"));
    out.saveImage(WoodTexture::render(WoodTexture::paleStriped()), QStringLiteral("151.png"));
    out.saveImage(WoodTexture::render(WoodTexture::warmGrained()), QStringLiteral("149.png"));
}

void writeIcons(OutputFolder& out)
{
    constexpr int kIconSmall = 16;
    constexpr int kIconMain = 32;
    constexpr int kIconLarge = 48;
    out.saveImage(AppIcon::render(kIconMain), QStringLiteral("128.png"));
    out.saveImage(AppIcon::render(kIconLarge), QStringLiteral("128-48.png"));
    out.saveImage(AppIcon::render(kIconSmall), QStringLiteral("128-16.png"));
}

// The icon theme sizes a desktop menu picks from, under the installed icon's name.
constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr char kThemeIconName[] = "org.josekibrowser.JosekiBrowser";

void writeThemeIcons(OutputFolder& out)
{
    for (int side : kThemeIconSizes)
        out.saveImage(AppIcon::render(side),
                      QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(side).arg(QLatin1String(kThemeIconName)));
}

void writeCursor(OutputFolder& out)
{
    out.saveImage(HandCursor::render(), QStringLiteral("129.png"));
    const QPoint hotspot = HandCursor::hotspot();
    out.saveText(QStringLiteral("%1 %2\n").arg(hotspot.x()).arg(hotspot.y()), QStringLiteral("129.hotspot"));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: joseki-resgen OUTDIR\n");
        return 2;
    }
    OutputFolder out(QString::fromLocal8Bit(argv[1]));
    writeStones(out);
    writeWoods(out);
    writeIcons(out);
    writeThemeIcons(out);
    writeCursor(out);
    out.saveImage(TitlePicture::render(), QStringLiteral("156.png"));
    out.saveImage(PanelPicture::render(), QStringLiteral("143.png"));
    return out.failed() ? 1 : 0;
}
