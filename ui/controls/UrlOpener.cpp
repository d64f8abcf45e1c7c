#include "ui/controls/UrlOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace joseki {

namespace {

// Hands the address to the desktop, as the shell's "open" would.
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const std::string& url) override
    {
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(url.data(), static_cast<qsizetype>(url.size()))));
    }
};

DesktopUrlOpener desktopOpener;
UrlOpener* installedOpener = nullptr;

} // namespace

UrlOpener& UrlOpener::current() { return installedOpener != nullptr ? *installedOpener : desktopOpener; }

UrlOpener* UrlOpener::install(UrlOpener* opener)
{
    UrlOpener* previous = installedOpener;
    installedOpener = opener;
    return previous;
}

} // namespace joseki
