#include "Transactions.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "Requests.h"
#include "vci.h"

namespace veltrix::protocol {

namespace {

constexpr uint32_t ONLY_SUB_CHANNEL = 0;
// Disabled and enabled in this order.
constexpr TransactionButton TRANSACTION_BUTTONS[] = {TransactionButton::OpenRS232,
                                                     TransactionButton::ReadParameter,
                                                     TransactionButton::WriteParameter};

void SetTransactionButtons(TransactionView& view, bool enabled) {
    for (const TransactionButton button : TRANSACTION_BUTTONS) {
        view.SetButtonEnabled(button, enabled);
    }
}

// The device gets its time while the buttons say that nothing else can be done.
void WaitForDevice(TransactionView& view, uint32_t waitMs) {
    SetTransactionButtons(view, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    SetTransactionButtons(view, true);
}

void ReportWriteFailure(TransactionView& view) {
    view.ShowWarning(WRITE_FAIL_TEXT, WARING_CAPTION);
}

}  // namespace

bool ReadDeviceParameter(TransactionView& view, uint8_t pageIndex, ParameterImage& image) {
    image = ParameterImage{};
    const int32_t channel = view.CommIndex();
    // Whatever arrived before the request is no reply to it.
    VCI_ClearBuffer(channel, ONLY_SUB_CHANNEL);
    const auto request = MakeReadRequest(pageIndex);
    if (_VCI_WriteDevice(channel, request.data(), request.size()) == 0) {
        return false;
    }
    WaitForDevice(view, READ_WAIT_MS);

    std::array<uint32_t, PARAMETER_IMAGE_SIZE> values{};
    if (VCI_ReadDevice(channel, ONLY_SUB_CHANNEL, values.data(), values.size(), 0) !=
        values.size()) {
        return false;
    }
    for (size_t offset = 0; offset < PARAMETER_IMAGE_SIZE; ++offset) {
        image[offset] = static_cast<uint8_t>(values[offset]);
    }
    return CheckParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE);
}

void WriteDeviceParameter(TransactionView& view, uint8_t pageIndex, ParameterImage& image) {
    image.Set(field::Checksum, ParameterChecksum(image.Data(), PARAMETER_IMAGE_SIZE));
    const auto request = MakeWriteRequest(pageIndex, image);
    if (_VCI_WriteDevice(view.CommIndex(), request.data(), request.size()) == 0) {
        ReportWriteFailure(view);
        return;
    }
    WaitForDevice(view, WRITE_WAIT_MS);

    ParameterImage readBack;
    if (!ReadDeviceParameter(view, pageIndex, readBack)) {
        ReportWriteFailure(view);
        return;
    }
    if (std::equal(image.Data() + VERIFY_OFFSET, image.Data() + PARAMETER_IMAGE_SIZE,
                   readBack.Data() + VERIFY_OFFSET)) {
        view.SetStatusText(WRITE_SUCCEED_TEXT);
        return;
    }
    view.SetStatusText(WRITE_FAIL_TEXT);
    ReportWriteFailure(view);
}

}  // namespace veltrix::protocol
