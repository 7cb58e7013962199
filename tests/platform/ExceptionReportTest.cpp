// Whatever a handler throws is reported in one error box and goes no further.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>

#include <stdexcept>
#include <string>
#include <vector>

#include "Exception.h"
#include "ExceptionReport.h"
#include "HandlerConnection.h"
#include "MessageBox.h"
#include "RecordedBoxes.h"

namespace platform {
namespace {

using veltrix::test::RecordedBoxes;

MessageBoxContent ErrorBox(const std::string& message) {
    return {MessageBoxIcon::Error, message, ApplicationTitle()};
}

TEST(RunHandlerTest, ReportsEachKindOfThrownObjectAndCarriesOn) {
    RecordedBoxes boxes;
    RunHandler([] { throw EConvertError("'0x' is not a valid integer value"); });
    RunHandler([] { throw Exception("plain"); });
    RunHandler([] { throw std::out_of_range("index 5"); });
    RunHandler([] { throw 42; });
    RunHandler([] { throw std::string("not an exception"); });
    bool ran = false;
    RunHandler([&] { ran = true; });

    EXPECT_TRUE(ran);
    const std::vector<MessageBoxContent> expected = {
        ErrorBox("'0x' is not a valid integer value"),
        ErrorBox("plain"),
        ErrorBox("index 5"),
        ErrorBox(""),
        ErrorBox(""),
    };
    EXPECT_EQ(boxes.Shown(), expected);
}

TEST(MessageBoxTest, WarningBoxGoesThroughTheSinkWithWarningIcon) {
    RecordedBoxes boxes;
    WarningBox("Start ID must be smaller than End ID!", "Warning");
    const std::vector<MessageBoxContent> expected = {
        {MessageBoxIcon::Warning, "Start ID must be smaller than End ID!", "Warning"}};
    EXPECT_EQ(boxes.Shown(), expected);
}

TEST(MessageBoxTest, RecordersNestAndRestoreTheSinkTheyReplaced) {
    RecordedBoxes outer;
    {
        RecordedBoxes inner;
        WarningBox("inner", "Waring");
        EXPECT_EQ(inner.Shown().size(), 1u);
    }
    WarningBox("outer", "Waring");
    ASSERT_EQ(outer.Shown().size(), 1u);
    EXPECT_EQ(outer.Shown()[0].text, "outer");
}

TEST(MessageBoxTest, WithoutAnApplicationObjectTheMessageGoesToStandardError) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    testing::internal::CaptureStderr();
    WarningBox("All the filter has been used!", "Waring");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Waring: All the filter has been used!\n");
}

// A form whose handler fails the way a conversion in a click handler does.
class FailingForm : public QObject {
  public:
    void Handler(QObject* sender) {
        senders.push_back(sender);
        throw EConvertError("'0xZ' is not a valid integer value");
    }
    std::vector<QObject*> senders;
};

TEST(ConnectHandlerTest, HandlerGetsTheSenderAndItsExceptionIsReportedNotPropagated) {
    RecordedBoxes boxes;
    QObject sender;
    FailingForm form;
    ConnectHandler(&sender, &QObject::objectNameChanged, &form, &FailingForm::Handler);

    sender.setObjectName("first");
    sender.setObjectName("second");

    EXPECT_EQ(form.senders, (std::vector<QObject*>{&sender, &sender}));
    EXPECT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1], ErrorBox("'0xZ' is not a valid integer value"));
}

}  // namespace
}  // namespace platform
