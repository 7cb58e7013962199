#include "PanelStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace window {

namespace {

QLabel* NewPanel() {
    auto* panel = new QLabel();
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    return panel;
}

}  // namespace

PanelStatusBar::PanelStatusBar(const char* name, int firstPanelWidth, int secondPanelMinimumWidth)
    : panels_{NewPanel(), NewPanel()} {
    setObjectName(name);
    panels_[0]->setFixedWidth(firstPanelWidth);
    panels_[1]->setMinimumWidth(secondPanelMinimumWidth);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(panels_[0]);
    layout->addWidget(panels_[1], 1);
}

QLabel* PanelStatusBar::Panel(int index) const {
    return panels_.at(static_cast<size_t>(index));
}

}  // namespace window
