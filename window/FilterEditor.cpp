// The filter list editor of the main window: adding, deleting and enabling filter rows.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

#include "FieldText.h"
#include "Identifiers.h"
#include "MessageBox.h"
#include "ParameterImage.h"
#include "ReportListView.h"
#include "UnitCANConfig.h"

namespace {

// The device's parameter image has room for this many filters.
constexpr int MAX_FILTER_ROWS = static_cast<int>(veltrix::protocol::FILTER_SLOTS);

QString PrefixedHex8(uint32_t value) {
    return QString::fromStdString(window::transfer::PrefixedHex8(value));
}

}  // namespace

void TFormCANConfig::FilterIDAdd() {
    const uint32_t start = window::HexFieldValue(EditTorvane8StartID);
    const uint32_t end = window::HexFieldValue(EditTorvane8EndID);
    if (ListViewTorvane8FrameID->rowCount() >= MAX_FILTER_ROWS) {
        platform::WarningBox("All the filter has been used!", "Waring");
        return;
    }
    const uint32_t mask =
        window::transfer::IdentifierMask(ComboBoxTorvane8FrameType->currentIndex());
    const uint32_t maskedStart = start & mask;
    const uint32_t maskedEnd = end & mask;
    if (maskedStart > maskedEnd) {
        platform::WarningBox("Start ID must be smaller than End ID!", "Warning");
        return;
    }
    const QStringList entry = {ComboBoxTorvane8Port->currentText(),
                               ComboBoxTorvane8FrameType->currentText(), PrefixedHex8(maskedStart),
                               PrefixedHex8(maskedEnd)};
    for (int row = 0; row < ListViewTorvane8FrameID->rowCount(); ++row) {
        if (ListViewTorvane8FrameID->RowTexts(row) == entry) {
            return;
        }
    }
    ListViewTorvane8FrameID->AddRow(entry);
}

void TFormCANConfig::FilterIDDelete() {
    window::ReportListView* list = ListViewTorvane8FrameID;
    list->setUpdatesEnabled(false);
    for (int row = list->rowCount() - 1; row >= 0; --row) {
        if (list->selectionModel()->isRowSelected(row, QModelIndex())) {
            list->removeRow(row);
        }
    }
    list->setUpdatesEnabled(true);
}

void TFormCANConfig::FilterEnableApply() {
    const bool enabled = CheckBoxTorvane8FilterEnable->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ListViewTorvane8FrameID, ComboBoxTorvane8Port, ComboBoxTorvane8FrameType,
             EditTorvane8StartID, EditTorvane8EndID, ButtonTorvane8FilterIDAdd,
             ButtonTorvane8FilterIDDelete}) {
        control->setEnabled(enabled);
    }
}

void TFormCANConfig::RefillTorvane8Port() {
    ComboBoxTorvane8Port->clear();
    ComboBoxTorvane8Port->addItem("CAN0", 0);
    ComboBoxTorvane8Port->addItem("CAN1", 1);
    ComboBoxTorvane8Port->setCurrentIndex(1);
}
