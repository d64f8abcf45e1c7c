#pragma once

// Where the generator writes its files; remembers whether anything failed so
// that the program can exit with an error after trying every file.

#include <QDir>
#include <QImage>
#include <QString>

namespace resgen {

class OutputFolder {
public:
    explicit OutputFolder(const QString& path);

    void saveImage(const QImage& image, const QString& fileName);
    void saveText(const QString& text, const QString& fileName);
    void reportError(const QString& message);

    bool failed() const { return m_failed; }

private:
    QDir m_dir;
    bool m_failed = false;
};

} // namespace resgen
