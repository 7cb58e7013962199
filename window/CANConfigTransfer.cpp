// The read and write buttons and the transfer between the controls and a parameter image. What
// the controls hold becomes plain values first; window::transfer maps those to and from images.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "BasicInfo.h"
#include "FilterList.h"
#include "MessageBox.h"
#include "ReportListView.h"
#include "SettingsTransfer.h"
#include "Transactions.h"
#include "UnitCANConfig.h"

namespace {

using veltrix::protocol::ParameterImage;
using window::transfer::FilterEntry;
using window::transfer::Settings;

constexpr char READ_SUCCEED_STATUS[] = "Read device parameter succeed!";
constexpr char READ_FAIL_STATUS[] = "Read device parameter Fail!";
constexpr char READ_FAIL_BOX[] = "Read device parameter fail!";
// The only page of PageControlCANConfig: the page that loads and writes.
constexpr uint8_t DEVICE_PAGE = 0;

// Which control shows which value of the settings pages.
template <typename Control, typename Value>
struct Binding {
    Control* TFormCANConfig::*control;
    Value Settings::*value;
};

const Binding<QComboBox, int> LISTS[] = {
    {&TFormCANConfig::ComboBoxSwitchMode, &Settings::switchMode},
    {&TFormCANConfig::ComboBoxSwtichRoute, &Settings::switchRoute},
    {&TFormCANConfig::ComboBoxCANIDOffset, &Settings::canIdOffset},
    {&TFormCANConfig::ComboBoxCANIDLen, &Settings::canIdLen},
    {&TFormCANConfig::ComboBoxUARTBuadrateIndex, &Settings::uartBaudrateIndex},
    {&TFormCANConfig::ComboBoxUARTDataBitIndex, &Settings::uartDataBitIndex},
    {&TFormCANConfig::ComboBoxUARTMode, &Settings::uartMode},
    {&TFormCANConfig::ComboBoxUARTStopBitIndex, &Settings::uartStopBitIndex},
    {&TFormCANConfig::ComboBoxUARTParityBitIndex, &Settings::uartParityIndex},
    {&TFormCANConfig::ComboBoxFDStandard, &Settings::fdStandard},
    {&TFormCANConfig::ComboBoxCANType, &Settings::canType},
    {&TFormCANConfig::ComboBoxCANFrameType, &Settings::canFrameType},
    {&TFormCANConfig::ComboBoxBitRateSwitch, &Settings::bitRateSwitch},
    {&TFormCANConfig::ComboBoxtBaudrateIndexA, &Settings::baudrateIndexA},
    {&TFormCANConfig::ComboBoxtBaudrateIndexB, &Settings::baudrateIndexB},
};

const Binding<QLineEdit, std::string> EDITS[] = {
    {&TFormCANConfig::EditUARTFrameInterVal, &Settings::uartFrameInterval},
    {&TFormCANConfig::EditCANFrameInterval, &Settings::canFrameInterval},
    {&TFormCANConfig::EditCANID, &Settings::canId},
    {&TFormCANConfig::EditBaudrateA, &Settings::baudrateA},
    {&TFormCANConfig::EditBaudrateB, &Settings::baudrateB},
};

// In the order a load sets them: a box's click handler runs when its state changes.
const Binding<QCheckBox, bool> TICK_BOXES[] = {
    {&TFormCANConfig::CheckBoxCANFrameInfoEnable, &Settings::canFrameInfoEnable},
    {&TFormCANConfig::CheckBoxCANIDInfoEnable, &Settings::canIdInfoEnable},
    {&TFormCANConfig::CheckBoxBuadrateCustom, &Settings::baudrateCustom},
};

QStringList RowOf(const FilterEntry& entry) {
    return {QString::fromStdString(entry.port), QString::fromStdString(entry.frameType),
            QString::fromStdString(entry.startId), QString::fromStdString(entry.endId)};
}

FilterEntry EntryOf(const QStringList& row) {
    return {row[0].toStdString(), row[1].toStdString(), row[2].toStdString(), row[3].toStdString()};
}

}  // namespace

void TFormCANConfig::ButtonReadParameterClick(QObject* /*Sender*/) {
    ParameterImage image;
    if (!veltrix::protocol::ReadDeviceParameter(*this, ActivePageIndex(), image)) {
        SetStatusText(READ_FAIL_STATUS);
        ShowWarning(READ_FAIL_BOX, veltrix::protocol::WARING_CAPTION);
        return;
    }
    SetStatusText(READ_SUCCEED_STATUS);
    if (ActivePageIndex() == DEVICE_PAGE) {
        LoadImageToForm(image);
    }
}

void TFormCANConfig::ButtonWriteParameterClick(QObject* /*Sender*/) {
    if (ActivePageIndex() == DEVICE_PAGE) {
        WriteFormToDevice(DEVICE_PAGE);
    }
}

void TFormCANConfig::LoadImageToForm(const ParameterImage& image) {
    ShowBasicInfo(image);
    ApplySettings(window::transfer::LoadSettings(image, ReadSettings()));
    ImageToFilterList(image);
    // Selecting from code runs no list's change handler.
    ComboBoxSwitchModeChange(nullptr);
    // Told once the window shows everything that was loaded.
    if (const auto warning = window::transfer::FilterCountWarning(image)) {
        ShowWarning(*warning, veltrix::protocol::WARING_CAPTION);
    }
}

void TFormCANConfig::ShowBasicInfo(const ParameterImage& image) {
    const auto descriptions = window::transfer::BasicInfoDescriptions(image);
    ListViewTorvane8BasicInfo->setRowCount(0);
    for (size_t row = 0; row < descriptions.size(); ++row) {
        ListViewTorvane8BasicInfo->AddRow({window::transfer::BASIC_INFO_PROPERTIES[row],
                                           QString::fromStdString(descriptions[row])});
    }
}

void TFormCANConfig::ImageToFilterList(const ParameterImage& image) {
    const window::transfer::FilterList filters = window::transfer::LoadFilterList(image);
    CheckBoxTorvane8FilterEnable->setChecked(filters.enabled);
    ListViewTorvane8FrameID->setRowCount(0);
    for (const FilterEntry& entry : filters.entries) {
        ListViewTorvane8FrameID->AddRow(RowOf(entry));
    }
}

void TFormCANConfig::WriteFormToDevice(uint8_t pageIndex) {
    ParameterImage image = window::transfer::BuildSettingsImage(ReadSettings());
    FilterListToImage(image);
    veltrix::protocol::WriteDeviceParameter(*this, pageIndex, image);
}

void TFormCANConfig::FilterListToImage(ParameterImage& image) {
    window::transfer::FilterList filters{CheckBoxTorvane8FilterEnable->isChecked(), {}};
    for (int row = 0; row < ListViewTorvane8FrameID->rowCount(); ++row) {
        filters.entries.push_back(EntryOf(ListViewTorvane8FrameID->RowTexts(row)));
    }
    window::transfer::StoreFilterList(filters, image);
}

Settings TFormCANConfig::ReadSettings() const {
    Settings settings;
    for (const auto& list : LISTS) {
        settings.*list.value = (this->*list.control)->currentIndex();
    }
    for (const auto& edit : EDITS) {
        settings.*edit.value = (this->*edit.control)->text().toStdString();
    }
    for (const auto& box : TICK_BOXES) {
        settings.*box.value = (this->*box.control)->isChecked();
    }
    return settings;
}

void TFormCANConfig::ApplySettings(const Settings& settings) {
    for (const auto& list : LISTS) {
        (this->*list.control)->setCurrentIndex(settings.*list.value);
    }
    for (const auto& edit : EDITS) {
        (this->*edit.control)->setText(QString::fromStdString(settings.*edit.value));
    }
    for (const auto& box : TICK_BOXES) {
        (this->*box.control)->setChecked(settings.*box.value);
    }
}

uint8_t TFormCANConfig::ActivePageIndex() const {
    return static_cast<uint8_t>(PageControlCANConfig->currentIndex());
}
