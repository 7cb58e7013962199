// The About box: its texts and layout, shown modally from the menu and closed by Enter or OK.
#include <QApplication>
#include <QFrame>
#include <QScreen>
#include <QTimer>

#include <functional>

#include "FormFixture.h"

namespace veltrix::test {
namespace {

class AboutBoxTest : public FormFixture {
  protected:
    struct Seen {
        bool modal = false;
        QString product;
        QString version;
        QString address;
        int distanceFromCentre = -1;
    };

    // Chooses About, Veltrix; once the box is up, notes what it shows and runs `close` on it.
    Seen ChooseAboutAndThen(const std::function<void(TAboutBox&)>& close) {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto* box = dynamic_cast<TAboutBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            const QRect available = box->screen()->availableGeometry();
            seen = {box == AboutBox, box->ProductName->text(), box->Version->text(),
                    box->Label3->text(),
                    (box->frameGeometry().center() - available.center()).manhattanLength()};
            close(*box);
        });
        Form().AboutCANConfig1->trigger();
        return seen;
    }
};

TEST_F(AboutBoxTest, HasItsCaptionPanelLabelsAndDefaultButton) {
    TAboutBox& box = About();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.minimumSize(), QSize(344, 145));
    EXPECT_EQ(box.maximumSize(), QSize(344, 145));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(box.font(), Form().font());

    EXPECT_EQ(box.Panel1->geometry(), QRect(9, 16, 328, 89));
    EXPECT_EQ(box.Panel1->frameShape(), QFrame::Box);
    EXPECT_EQ(box.Panel1->frameShadow(), QFrame::Sunken);
    const struct {
        QLabel* label;
        QString text;
        QPoint position;
    } labels[] = {
        {box.ProductName, "VeltrixConifg V1.0  for the following product:", {56, 16}},
        {box.Version, "Veltrix-7A", {120, 40}},
        {box.Label3, "www.veltrix-devices.com", {104, 64}},
    };
    for (const auto& each : labels) {
        EXPECT_EQ(each.label->parentWidget(), box.Panel1);
        EXPECT_EQ(each.label->text(), each.text);
        EXPECT_EQ(each.label->pos(), each.position);
    }
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_EQ(box.OKButton->geometry(), QRect(135, 116, 75, 25));
    EXPECT_TRUE(box.OKButton->isDefault());
}

TEST_F(AboutBoxTest, EnterClosesItAndChoosingAboutAgainShowsTheSameBoxWithTheSameTexts) {
    ShowPage(1);
    const auto pressEnter = [](TAboutBox& box) { QTest::keyClick(&box, Qt::Key_Return); };
    const Seen first = ChooseAboutAndThen(pressEnter);
    EXPECT_TRUE(first.modal);
    EXPECT_FALSE(About().isVisible());

    const Seen second = ChooseAboutAndThen(pressEnter);
    EXPECT_TRUE(second.modal);
    EXPECT_FALSE(About().isVisible());
    EXPECT_EQ(second.product, "VeltrixConifg V1.0  for the following product:");
    EXPECT_EQ(second.product, first.product);
    EXPECT_EQ(second.version, first.version);
    EXPECT_EQ(second.address, first.address);
    EXPECT_LE(second.distanceFromCentre, 1);
}

TEST_F(AboutBoxTest, OkButtonClosesIt) {
    ShowPage(1);
    const Seen seen = ChooseAboutAndThen([](TAboutBox& box) { Click(box.OKButton); });
    EXPECT_TRUE(seen.modal);
    EXPECT_FALSE(About().isVisible());
    EXPECT_TRUE(Form().isVisible());
}

}  // namespace
}  // namespace veltrix::test
