#pragma once

#include <QDialog>

#include <string>

class DialogService;
class QFrame;
class QLabel;
class QPushButton;

// Where the about box's links lead: one mail address and two web pages.
struct AboutLinks {
    static inline const std::string kFeedback = "mailto:feedback@kelvaro.example";
    static inline const std::string kWebsite = "https://kelvaro.example/";
    static inline const std::string kHistory = "https://kelvaro.example/history.html";
};

// The about box: the version, a feedback link, the product's web page and its version history.
// Created once at start-up and shown modally; its hints are always on.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(DialogService& dialogs, QWidget* owner);

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
    DialogService& dialogs_;
};
