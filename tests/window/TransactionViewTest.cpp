// What the transactions see of the window: its channel, the three buttons, status panel 1 and
// the warning box.
#include <QEvent>

#include "FormFixture.h"
#include "PanelStatusBar.h"

namespace veltrix::test {
namespace {

using protocol::TransactionButton;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Count() const { return count_; }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count_ += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

  private:
    int count_ = 0;
};

class TransactionViewTest : public FormFixture {};

TEST_F(TransactionViewTest, EachButtonIsSwitchedAndPaintedBeforeTheTransactionSleeps) {
    ShowPage(1);
    TFormCANConfig& form = Form();
    const std::pair<TransactionButton, QPushButton*> buttons[] = {
        {TransactionButton::OpenRS232, form.ButtonOpenRS232},
        {TransactionButton::ReadParameter, form.ButtonReadParameter},
        {TransactionButton::WriteParameter, form.ButtonWriteParameter},
    };
    for (const auto& [button, control] : buttons) {
        SCOPED_TRACE(control->objectName().toStdString());
        const PaintCounter paints(control);
        form.SetButtonEnabled(button, true);
        EXPECT_TRUE(control->isEnabled());
        form.SetButtonEnabled(button, false);
        EXPECT_FALSE(control->isEnabled());
        // Painted without a turn of the event loop, which does not come while the window sleeps.
        EXPECT_EQ(paints.Count(), 2);
    }
}

TEST_F(TransactionViewTest, StatusGoesToPanelOneAndWarningsToTheWarningBox) {
    Form().SetStatusText("Write device parameter Succeed!");
    EXPECT_EQ(Form().StatusBar1->Panel(1)->text(), "Write device parameter Succeed!");
    EXPECT_EQ(Form().StatusBar1->Panel(0)->text(), "www.veltrix-devices.com");
    Form().ShowWarning("Write device parameter fail!", "Waring");
    EXPECT_EQ(boxes_.Shown(),
              (std::vector<platform::MessageBoxContent>{
                  {platform::MessageBoxIcon::Warning, "Write device parameter fail!", "Waring"}}));
}

TEST_F(TransactionViewTest, ChannelIsTheProgramWideCommIndex) {
    CommIndex = 17;
    EXPECT_EQ(Form().CommIndex(), 17);
    CommIndex = 0;
}

}  // namespace
}  // namespace veltrix::test
