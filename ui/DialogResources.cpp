#include "ui/DialogResources.h"

#include <QFile>
#include <QList>
#include <QPixmap>

#include <array>

namespace joseki {

namespace {

constexpr std::array<const char*, 2> kIconVariants{"-16", "-48"};
constexpr int kHotspotFields = 2;

QCursor loadBoardCursor()
{
    const QPixmap pixmap(DialogResources::imagePath(DialogResources::kBoardCursor));
    if (pixmap.isNull())
        return QCursor(Qt::PointingHandCursor);
    int hotX = 0;
    int hotY = 0;
    QFile hotspot(QStringLiteral(":/res/%1.hotspot").arg(DialogResources::kBoardCursor));
    if (hotspot.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = hotspot.readAll().simplified().split(' ');
        if (fields.size() == kHotspotFields) {
            hotX = fields[0].toInt();
            hotY = fields[1].toInt();
        }
    }
    return QCursor(pixmap, hotX, hotY);
}

} // namespace

QString DialogResources::imagePath(int number, const char* suffix)
{
    return QStringLiteral(":/res/%1%2.png").arg(number).arg(QString::fromLatin1(suffix));
}

QIcon DialogResources::appIcon()
{
    QIcon icon(imagePath(kIcon));
    for (const char* variant : kIconVariants) {
        const QString path = imagePath(kIcon, variant);
        if (QFile::exists(path))
            icon.addFile(path);
    }
    return icon;
}

QCursor DialogResources::boardCursor()
{
    static const QCursor cursor = loadBoardCursor();
    return cursor;
}

} // namespace joseki
