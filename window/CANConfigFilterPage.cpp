// The filter page: the filter list, the inputs of a new filter and the editor's buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ControlFactory.h"
#include "ReportListView.h"
#include "SettingsItems.h"
#include "UnitCANConfig.h"

QWidget* TFormCANConfig::BuildFilterPage() {
    auto* page = new QWidget();
    auto* column = new QVBoxLayout(page);

    QGridLayout& list = window::AddGroup(*column, "Filter Frame ID List");
    ListViewTorvane8FrameID = new window::ReportListView(
        "ListViewTorvane8FrameID", {{"Port", 100, Qt::AlignLeft | Qt::AlignVCenter},
                                    {"Frame Type", 150, Qt::AlignCenter},
                                    {"Start ID", 150, Qt::AlignCenter},
                                    {"End ID", 150, Qt::AlignCenter}});
    ListViewTorvane8FrameID->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.addWidget(ListViewTorvane8FrameID, 0, 0);

    auto* newFilter = new QGridLayout();
    column->addLayout(newFilter);
    ComboBoxTorvane8FrameType =
        window::NewList("ComboBoxTorvane8FrameType", window::transfer::FILTER_FRAME_TYPE_ITEMS, 0);
    window::AddLabelled(*newFilter, 0, 0, "Frame Type:", ComboBoxTorvane8FrameType);
    EditTorvane8StartID = window::NewEdit("EditTorvane8StartID", "00000000");
    window::AddLabelled(*newFilter, 0, 2, "Start ID: 0x     ", EditTorvane8StartID);
    EditTorvane8EndID = window::NewEdit("EditTorvane8EndID", "FFFFFFFF");
    window::AddLabelled(*newFilter, 0, 4, "End ID: 0x     ", EditTorvane8EndID);

    auto* buttons = new QGridLayout();
    column->addLayout(buttons);
    CheckBoxTorvane8FilterEnable =
        window::NewCheckBox("CheckBoxTorvane8FilterEnable", "Filter Enable");
    buttons->addWidget(CheckBoxTorvane8FilterEnable, 0, 0);
    ComboBoxTorvane8Port = window::NewList("ComboBoxTorvane8Port", {"CAN0", "CAN1"}, 1);
    window::HideWithLabel(ComboBoxTorvane8Port,
                          window::AddLabelled(*buttons, 0, 1, "Port:     ", ComboBoxTorvane8Port));
    buttons->setColumnStretch(3, 1);
    ButtonTorvane8FilterIDAdd = window::NewButton("ButtonTorvane8FilterIDAdd", "Add");
    buttons->addWidget(ButtonTorvane8FilterIDAdd, 0, 4);
    ButtonTorvane8FilterIDDelete = window::NewButton("ButtonTorvane8FilterIDDelete", "Delete");
    buttons->addWidget(ButtonTorvane8FilterIDDelete, 0, 5);
    return page;
}
