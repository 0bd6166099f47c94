// A link label that opens its address itself; a visited link shows in its own colour.
#pragma once

#include "CLinkLable.h"

class CHyperLinkLable : public CLinkLable {
public:
    static constexpr COLORREF kVisitedColor = 9116245;

    CHyperLinkLable();
    ~CHyperLinkLable() override;

protected:
    bool follow() override;
};
