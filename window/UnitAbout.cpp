#include "UnitAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ControlFactory.h"
#include "FormStyle.h"
#include "HandlerConnection.h"
#include "MakerAddress.h"

TAboutBox* AboutBox = nullptr;

namespace {

constexpr int CLIENT_WIDTH = 344;
constexpr int CLIENT_HEIGHT = 145;

QLabel* NewPanelLabel(QWidget* panel, const char* name, const QString& text, QPoint position) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->move(position);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox() : QDialog(nullptr, Qt::Dialog | window::CLOSE_BOX_ONLY) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setFont(window::FormFont());
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);

    OKButton = window::NewButton("OKButton", "OK");
    window::Place(OKButton, this, {135, 116, 75, 25});
    OKButton->setDefault(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(9, 16, 328, 89);
    // Lowered outside, raised inside.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ProductName = NewPanelLabel(Panel1, "ProductName",
                                "VeltrixConifg V1.0  for the following product:", {56, 16});
    Version = NewPanelLabel(Panel1, "Version", "Veltrix-7A", {120, 40});
    Label3 = NewPanelLabel(Panel1, "Label3", window::MAKER_WEB_ADDRESS, {104, 64});

    platform::ConnectHandler(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::ShowModal() {
    exec();
}

void TAboutBox::OKButtonClick(QObject* /*Sender*/) {
    close();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    window::CentreOnScreen(*this);
}
