// The About box: product name, model and the maker's web address, closed by OK or Enter.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
  public:
    TAboutBox();

    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Label3;
    QPushButton* OKButton;

    // Shows the box and returns once it has been closed.
    void ShowModal();
    void OKButtonClick(QObject* Sender);

  protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
