// Without a recorder, boxes are real modal Qt message boxes with no owner and one OK button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <optional>

#include "Exception.h"
#include "ExceptionReport.h"
#include "MessageBox.h"

namespace platform {
namespace {

struct SeenBox {
    QMessageBox::Icon icon;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons;
    bool hasOwner;
};

// Runs `show`, notes the modal box it opens and presses its OK button.
template <typename Show>
std::optional<SeenBox> ShowAndPressOk(Show show) {
    std::optional<SeenBox> seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = SeenBox{box->icon(), box->text(), box->windowTitle(), box->standardButtons(),
                       box->parentWidget() != nullptr};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

TEST(DefaultBoxTest, WarningIsARealModalBoxWithOneOkButton) {
    const auto seen = ShowAndPressOk([] { WarningBox("Open RS232 port fail!", "Warning"); });
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->icon, QMessageBox::Warning);
    EXPECT_EQ(seen->text, "Open RS232 port fail!");
    EXPECT_EQ(seen->caption, "Warning");
    EXPECT_EQ(seen->buttons, QMessageBox::Ok);
    EXPECT_FALSE(seen->hasOwner);
}

TEST(DefaultBoxTest, ExceptionReportIsAnErrorBoxCaptionedWithTheExecutablesName) {
    EXPECT_EQ(ApplicationTitle(), "platform_box_tests");
    const auto seen = ShowAndPressOk(
        [] { RunHandler([] { throw EConvertError("'0x' is not a valid integer value"); }); });
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->text, "'0x' is not a valid integer value");
    EXPECT_EQ(seen->caption, "platform_box_tests");
    EXPECT_EQ(seen->buttons, QMessageBox::Ok);
}

TEST(DefaultBoxTest, AnEmptySinkBringsBackTheRealBoxes) {
    ReplaceMessageBoxSink([](const MessageBoxContent&) {});
    ReplaceMessageBoxSink(nullptr);
    const auto seen = ShowAndPressOk([] { WarningBox("back", "Waring"); });
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "back");
}

}  // namespace
}  // namespace platform
