#include "app/AboutForm.h"

#include "app/MainForm.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {

// The about picture: a quiet gradient with the product's name.
QPixmap AboutPicture(int w, int h) {
    QPixmap pixmap(w, h);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(20, 44, 82));
    g.setColorAt(1, QColor(52, 98, 150));
    p.fillRect(0, 0, w, h, g);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 8, w, 50), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Kelvaro"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(220, 232, 245));
    p.drawText(QRect(0, 150, w, 50), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Finds every set of identical files\nand keeps the one you want."));
    return pixmap;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect bounds) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(bounds);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TAboutForm::TAboutForm(std::function<void(int)> showHelp, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Kelvaro"));
    setFixedSize(301, 383);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));

    OKButton = Button(this, "OKButton", "OK", {8, 328, 89, 25});
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(8, 8, 285, 215);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 283, 213);
    Image1->setPixmap(AboutPicture(283, 213));
    RxLabel1 = new QLabel(QStringLiteral("Version"), Panel1);
    RxLabel1->setObjectName(QStringLiteral("RxLabel1"));
    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(21);
    version.setBold(true);
    RxLabel1->setFont(version);
    RxLabel1->setAttribute(Qt::WA_TranslucentBackground);
    QPalette vp = RxLabel1->palette();
    vp.setColor(QPalette::WindowText, QColor(167, 216, 239));
    RxLabel1->setPalette(vp);
    RxLabel1->move(56, 64);

    EmailButton = Button(this, "EmailButton", "Feedback...", {200, 328, 89, 25});
    EmailButton->setToolTip(
        QStringLiteral("Click here to write us an e-mail\nwith your feedback!"));

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Panel2->setGeometry(8, 274, 281, 2);

    btnUpdate = Button(this, "btnUpdate", "Check website for updates!", {8, 356, 281, 25});

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(8, 232, 32, 32);
    Image2->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));

    WWWLabel = new QLabel(QStringLiteral("Visit our website!"), this);
    WWWLabel->setObjectName(QStringLiteral("WWWLabel"));
    QFont link(QStringLiteral("MS Sans Serif"));
    link.setPixelSize(15);
    link.setUnderline(true);
    WWWLabel->setFont(link);
    QPalette lp = WWWLabel->palette();
    lp.setColor(QPalette::WindowText, Qt::blue);
    WWWLabel->setPalette(lp);
    WWWLabel->adjustSize();
    WWWLabel->move(48, 249);
    WWWLabel->setToolTip(QStringLiteral("Click here to visit our website!"));
    WWWLabel->installEventFilter(this);

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(8, 280, 281, 41);
    Label4->setWordWrap(true);
    QFont legal(QStringLiteral("MS Serif"));
    legal.setPixelSize(11);
    Label4->setFont(legal);
    Label4->setText(QStringLiteral(
        "Copyright the Kelvaro developers. Free software under the MIT licence: every copy, "
        "whole or in part, must keep this notice. It comes without any warranty."));
    QPalette bp = Label4->palette();
    bp.setColor(QPalette::WindowText, Qt::black);
    Label4->setPalette(bp);

    for (auto* w : {static_cast<QWidget*>(EmailButton), static_cast<QWidget*>(WWWLabel)})
        w->setToolTipDuration(4000);

    connect(OKButton, &QPushButton::clicked, this, &TAboutForm::OKButtonClick);
    connect(EmailButton, &QPushButton::clicked, this, &TAboutForm::EmailButtonClick);
    connect(btnUpdate, &QPushButton::clicked, this, &TAboutForm::btnUpdateClick);
    FormCreate();
}

void TAboutForm::FormCreate() {
    RxLabel1->setText(QString::fromStdString("Version " + VersionText() + " "));
    RxLabel1->adjustSize();
    WWWLabel->setCursor(Qt::PointingHandCursor);
}

void TAboutForm::OKButtonClick() {
    accept();
}

void TAboutForm::ShowUpdatesTopic() {
    // The help window cannot take input while this modal box is open.
    accept();
    if (showHelp_)
        showHelp_(kUpdatesTopic);
}

void TAboutForm::EmailButtonClick() {
    ShowUpdatesTopic();
}

void TAboutForm::WWWLabelClick() {
    ShowUpdatesTopic();
}

void TAboutForm::btnUpdateClick() {
    ShowUpdatesTopic();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WWWLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        WWWLabelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
