#include "ui/GbkText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace joseki {

namespace {

constexpr const char* kCodecName = "GBK";

} // namespace

QString gbkToQString(std::string_view gbkText)
{
    // A fresh decoder per text: the state of a half character left at the end
    // of one text must not leak into the next one.
    QStringDecoder decoder(kCodecName);
    if (!decoder.isValid())
        return QString::fromLatin1(gbkText.data(), static_cast<qsizetype>(gbkText.size()));
    return decoder.decode(QByteArrayView(gbkText.data(), static_cast<qsizetype>(gbkText.size())));
}

std::string qStringToGbk(const QString& text)
{
    QStringEncoder encoder(kCodecName);
    if (!encoder.isValid())
        return text.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace joseki
