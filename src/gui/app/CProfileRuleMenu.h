#pragma once

#include "core/focus/ProfileRuleMenu.h"
#include "gui/widgets/CMenuEx.h"

#include <vector>

namespace qx71::gui {

// The right-click menu of a profile button, in the language menu's dark look: the lines of
// its core model; a choice reports the line's index.
class CProfileRuleMenu final : public CMenuEx {
    Q_OBJECT

public:
    explicit CProfileRuleMenu(QWidget* owner);

    void SetLines(std::vector<RuleMenuItem> lines) { lines_ = std::move(lines); }
    const std::vector<RuleMenuItem>& Lines() const { return lines_; }

protected:
    std::vector<CWndPopup::Item> AddItems() override;

private:
    std::vector<RuleMenuItem> lines_;
};

} // namespace qx71::gui
