#include "ui/controls/SiteLinks.h"

#include "core/MessageService.h"
#include "ui/DialogResources.h"
#include "ui/GbkText.h"
#include "ui/QtMessageService.h"
#include "ui/UiTexts.h"
#include "ui/controls/AboutDialog.h"
#include "ui/controls/SplashWindow.h"

#include <QLabel>
#include <QPointer>

#include <array>
#include <list>

namespace joseki {

namespace {

constexpr const char* kLinkFace = "Arial";
constexpr int kLinkFontHeight = 14;
constexpr int kLinkWidth = 45;
constexpr int kLinkHeight = 15;
constexpr int kInfoLinkWidth = 40;
constexpr int kInfoLinkY = 52;
constexpr int kAboutLinkX = 34;
constexpr int kThanksLinkX = 86;

const QColor kInfoNormal(0, 0, 255);
const QColor kInfoHover(255, 0, 0);
const QColor kSiteNormal(0, 2, 245);
const QColor kSiteHover(255, 0, 21);

constexpr const char* kLinkFailure = "Failed to create hyperlink 3.";
constexpr const char* kLinkFailureCaption = "Fatal error!";

// Where the line of text above the two links sits in the panel.
constexpr int kPanelTextMargin = 2;
constexpr int kPanelTextTop = 10;
constexpr int kPanelTextHeight = 36;

constexpr std::array<WebsiteLink, 7> kWebsites{{
    {uiTexts::kYichengSite, 68, "https://www.eweiqi.com/"},
    {"TOM", 118, "http://weiqi.sports.tom.com/"},
    {uiTexts::kQingfengSite, 168, "http://www.qingfengweiqi.com/"},
    {uiTexts::kZhongweiSite, 218, "http://www.weiqi.org.cn/"},
    {uiTexts::kWeiqi8Site, 268, "http://www.weiqi8.com/"},
    {uiTexts::kXinruiSite, 318, "http://www.xinruiweiqi.com/"},
    {uiTexts::kBoyiSite, 368, "http://www.boyiweiqi.com/"},
}};

// Labels live until the process ends, as the windows that refer to them may.
HyperlinkLabel& newProcessLabel()
{
    static std::list<HyperlinkLabel> labels;
    return labels.emplace_back();
}

// The fields the links of one group share.
HyperlinkSettings commonSettings(QWidget* parent, const QColor& normal, const QColor& hover)
{
    HyperlinkSettings settings;
    settings.parent = parent;
    settings.controlId = 0;
    settings.fontFace = kLinkFace;
    settings.fontHeight = kLinkFontHeight;
    settings.bold = false;
    settings.underline = true;
    settings.normalColour = normal;
    settings.hoverColour = hover;
    settings.hasBackground = false;
    settings.useOwnCursor = true;
    settings.cursor = DialogResources::boardCursor();
    return settings;
}

void addPanelText(QWidget* panel)
{
    auto* label = new QLabel(gbkToQString(uiTexts::kPanelText), panel);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(kPanelTextMargin, kPanelTextTop, panel->width() - 2 * kPanelTextMargin, kPanelTextHeight);
    label->show();
}

bool createInfoLink(const SiteLinkServices& services, HyperlinkSettings& settings)
{
    if (services.createLabel(newProcessLabel(), settings))
        return true;
    services.messages->showCaptionedBox(kLinkFailure, kLinkFailureCaption, mb::kIconError);
    return false;
}

} // namespace

SiteLinkServices programSiteLinkServices(MessageService& messages)
{
    return SiteLinkServices{
        [](HyperlinkLabel& label, const HyperlinkSettings& settings) { return label.create(settings); }, &messages};
}

int createInfoPanelLinks(QWidget* panel, const SiteLinkServices& services)
{
    if (panel == nullptr)
        return 0;
    addPanelText(panel);

    HyperlinkSettings settings = commonSettings(panel, kInfoNormal, kInfoHover);
    settings.y = kInfoLinkY;
    settings.width = kInfoLinkWidth;
    settings.height = kLinkHeight;
    int made = 0;

    settings.x = kAboutLinkX;
    settings.text = uiTexts::kAboutCaption;
    settings.onClick = [](int) { showAboutPicture(nullptr); };
    made += createInfoLink(services, settings) ? 1 : 0;

    settings.x = kThanksLinkX;
    settings.text = uiTexts::kThanksLink;
    const QPointer<QWidget> owner(panel->window());
    settings.onClick = [owner](int) { AboutDialog::run(owner.data()); };
    made += createInfoLink(services, settings) ? 1 : 0;
    return made;
}

int createWebsiteLinks(QWidget* strip, const SiteLinkServices& services)
{
    if (strip == nullptr)
        return 0;
    HyperlinkSettings settings = commonSettings(strip, kSiteNormal, kSiteHover);
    settings.y = 0;
    settings.width = kLinkWidth;
    settings.height = kLinkHeight;
    int made = 0;
    for (const WebsiteLink& site : kWebsites) {
        settings.x = site.x;
        settings.text = site.text;
        settings.url = site.url;
        made += services.createLabel(newProcessLabel(), settings) ? 1 : 0;
    }
    return made;
}

std::span<const WebsiteLink> websiteLinks() { return kWebsites; }

void showAboutPicture(QWidget* owner)
{
    SplashWindow::setSplashLifetime(SplashWindow::kAboutLifetimeMs);
    SplashWindow::showSplash(owner);
}

} // namespace joseki
