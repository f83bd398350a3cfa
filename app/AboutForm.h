#pragma once

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The about box: the version, a feedback link, the product's web page and its version history.
// Created once at start-up and shown modally; its hints are always on.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // The project has no website or mail address yet: every link closes the box and shows the
    // help topic that says where updates come from and where feedback goes.
    static constexpr int kUpdatesTopic = 30;

    // showHelp shows the topic of a help context number.
    TAboutForm(std::function<void(int)> showHelp, QWidget* owner);

    void FormCreate();
    void OKButtonClick();
    void EmailButtonClick();
    void WWWLabelClick();
    void btnUpdateClick();

    QPushButton* OKButton = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* RxLabel1 = nullptr;
    QPushButton* EmailButton = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* btnUpdate = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* WWWLabel = nullptr;
    QLabel* Label4 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowUpdatesTopic();

    std::function<void(int)> showHelp_;
};
