#include "CHyperLinkLable.h"

#include "OpenLinkAddress.h"

namespace {
constexpr int kOpened = 32;
}

CHyperLinkLable::CHyperLinkLable() : CLinkLable(kVisitedColor, GetSysColor(COLOR_HIGHLIGHT))
{
}

CHyperLinkLable::~CHyperLinkLable() = default;

bool CHyperLinkLable::follow()
{
    return openLinkAddress(address(), SW_SHOWNORMAL) > kOpened;
}
