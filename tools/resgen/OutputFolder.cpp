#include "OutputFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace resgen {

OutputFolder::OutputFolder(const QString& path) : m_dir(path)
{
    if (!m_dir.mkpath(QStringLiteral(".")))
        reportError(QStringLiteral("cannot create folder %1").arg(path));
}

void OutputFolder::saveImage(const QImage& image, const QString& fileName)
{
    // A name may lead into subfolders, as the icon theme's do.
    const QString path = m_dir.filePath(fileName);
    if (!QFileInfo(path).dir().mkpath(QStringLiteral(".")))
        reportError(QStringLiteral("cannot create the folder of %1").arg(fileName));
    if (!image.save(path, "PNG"))
        reportError(QStringLiteral("cannot write %1").arg(fileName));
}

void OutputFolder::saveText(const QString& text, const QString& fileName)
{
    QFile file(m_dir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        reportError(QStringLiteral("cannot write %1").arg(fileName));
        return;
    }
    file.write(text.toUtf8());
}

void OutputFolder::reportError(const QString& message)
{
    std::fprintf(stderr, "joseki-resgen: %s\n", qPrintable(message));
    m_failed = true;
}

} // namespace resgen
