// Loading an image into the window without a device: lists without a selection, the enabling
// rules afterwards, and a filter count beyond the image's 16 slots.
#include <vector>

#include "FormFixture.h"
#include "ParameterImage.h"
#include "Transactions.h"

namespace veltrix::test {
namespace {

using namespace protocol;

// Valid settings of the window's defaults, identity zero.
ParameterImage DefaultImage() {
    ParameterImage image;
    image.Set(field::UARTBaudrateIndex, 3);
    image.Set(field::UARTDataBitIndex, 1);
    image.Set(field::CANIDLen, 1);
    return image;
}

class LoadImageToFormTest : public FormFixture {};

TEST_F(LoadImageToFormTest, ByteBeyondItsListLeavesTheListWithoutSelectionOrText) {
    ParameterImage image = DefaultImage();
    image.Set(field::UARTMode, 5);
    image.Set(field::CANIDLen, 0);
    image.Set(field::CANIDOffset, 8);
    Form().LoadImageToForm(image);
    for (const QComboBox* list :
         {Form().ComboBoxUARTMode, Form().ComboBoxCANIDLen, Form().ComboBoxCANIDOffset}) {
        EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
        EXPECT_EQ(list->currentText(), "") << list->objectName().toStdString();
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(LoadImageToFormTest, EnablingRulesFollowTheLoadedValues) {
    TFormCANConfig& form = Form();
    ParameterImage image = DefaultImage();
    image.Set(field::SwitchMode, 1);
    image.Set(field::BaudrateCustom, 1);
    image.Set(field::FilterEnable, 1);
    form.LoadImageToForm(image);
    EXPECT_TRUE(form.ComboBoxCANIDOffset->isEnabled());
    EXPECT_FALSE(form.CheckBoxCANFrameInfoEnable->isEnabled());
    EXPECT_TRUE(form.EditBaudrateA->isEnabled());
    EXPECT_FALSE(form.ComboBoxtBaudrateIndexA->isEnabled());
    EXPECT_TRUE(form.ButtonTorvane8FilterIDAdd->isEnabled());

    // A mode beyond the list keeps the last enabling; the unticked boxes switch back.
    image.Set(field::SwitchMode, 3);
    image.Set(field::BaudrateCustom, 0);
    image.Set(field::FilterEnable, 0);
    form.LoadImageToForm(image);
    EXPECT_TRUE(form.ComboBoxCANIDOffset->isEnabled());
    EXPECT_FALSE(form.CheckBoxCANFrameInfoEnable->isEnabled());
    EXPECT_FALSE(form.EditBaudrateA->isEnabled());
    EXPECT_TRUE(form.ComboBoxtBaudrateIndexA->isEnabled());
    EXPECT_FALSE(form.ButtonTorvane8FilterIDAdd->isEnabled());
}

TEST_F(LoadImageToFormTest, FilterCountBeyondTheSlotsLoadsSixteenRowsThenWarns) {
    ParameterImage image = DefaultImage();
    for (uint8_t i = 0; i < FILTER_SLOTS; ++i) {
        image.Set(field::FilterPort[i], 1);
        image.Set(field::FilterStartID[i], i);
        image.Set(field::FilterEndID[i], i);
    }
    image.Set(field::FilterCount, 200);
    // The warning comes once the whole image is in the window.
    std::vector<platform::MessageBoxContent> shown;
    std::vector<int> rowsWhenShown;
    const platform::MessageBoxSink recorder =
        platform::ReplaceMessageBoxSink([&](const platform::MessageBoxContent& box) {
            shown.push_back(box);
            rowsWhenShown.push_back(Form().ListViewTorvane8FrameID->rowCount());
        });
    Form().LoadImageToForm(image);
    platform::ReplaceMessageBoxSink(recorder);

    EXPECT_EQ(shown, (std::vector<platform::MessageBoxContent>{
                         {platform::MessageBoxIcon::Warning,
                          "The device reported 200 filters, but its parameters have room for 16: "
                          "only the first 16 were loaded.",
                          WARING_CAPTION}}));
    EXPECT_EQ(rowsWhenShown, std::vector<int>{16});
    EXPECT_EQ(Form().ListViewTorvane8FrameID->RowTexts(15),
              (QStringList{"CAN1", "Standard Frame", "0x0000000F", "0x0000000F"}));
}

}  // namespace
}  // namespace veltrix::test
