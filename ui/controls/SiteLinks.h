#pragma once

#include "ui/controls/HyperlinkLabel.h"

#include <functional>
#include <span>
#include <string>

class QWidget;

namespace joseki {

// The links the main dialog puts into two of its static controls: the
// information panel (the About picture and the acknowledgement dialog) and
// the strip of Go websites along the bottom edge.

class MessageService;

// What the link set-up needs from outside, so tests can make a link fail and
// record the box instead of showing it.
struct SiteLinkServices {
    // Makes one label; the program's is HyperlinkLabel::create.
    std::function<bool(HyperlinkLabel& label, const HyperlinkSettings& settings)> createLabel;
    // Where the box about a link that cannot be made goes.
    MessageService* messages = nullptr;
};

// One website link: its text (GBK), place in the strip and address.
struct WebsiteLink {
    const char* text;
    int x;
    const char* url;
};

// Services of the running program: real labels, boxes through `messages`.
SiteLinkServices programSiteLinkServices(MessageService& messages);

// Puts "关 于" and "鸣谢" (and a line of text above them) into the panel; a
// link that cannot be made is reported in a box and left out. Returns the
// number of links made; nothing is made without a panel.
int createInfoPanelLinks(QWidget* panel, const SiteLinkServices& services);
// Puts the seven website links into the strip; a link that cannot be made is
// left out silently. Returns the number of links made.
int createWebsiteLinks(QWidget* strip, const SiteLinkServices& services);

// The website links, in strip order.
std::span<const WebsiteLink> websiteLinks();

// The About picture: lifetime ten minutes from now on, shown over `owner`
// (or centred on the screen without one).
void showAboutPicture(QWidget* owner);

} // namespace joseki
